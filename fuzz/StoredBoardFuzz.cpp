// Stores any text as a game's board, restores it onto the play grid and exports
// it: the grid and the exported line must both be the text's digits 1-9 in
// place, every other cell empty, whatever else the text holds.
#include "board/PlaySide.h"
#include "controls/BoardText.h"
#include "store/StoredGames.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: %zu bytes\n", what, text.size());
    std::abort();
}

// The 81 cells the text stands for: a digit 1-9 given, anything else and any
// cell past the end "0".
std::string digitsOf(std::string_view text) {
    std::string board(text.substr(0, 81));
    board.resize(81, '0');
    for (char& cell : board)
        if (cell < '1' || cell > '9')
            cell = '0';
    return board;
}

std::filesystem::path folder; // removed when the run ends

void removeFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

// One database for the whole run, in memory-backed storage where there is some,
// holding at most the game under test.
StoredGames& games() {
    static StoredGames* opened = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tabrel-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        folder = pattern;
        std::atexit(removeFolder);
        auto* store = new StoredGames(folder);
        if (store->open().state != StoreOpening::State::Usable)
            std::abort();
        return store;
    }();
    return *opened;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    StoredGames& store = games();
    if (store.save(text, std::chrono::system_clock::now()).state != StoreChange::State::Done)
        fail("not saved", text);
    if (store.restore(std::nullopt) != text)
        fail("the stored text came back changed", text);
    PlaySide play;
    const int givens = play.showAsFreshGame(text);
    const std::string expected = digitsOf(text);
    if (storedBoardText(play.Grid3) != expected)
        fail("the play grid is not the text's digits", text);
    int cyan = 0;
    for (int i = 0; i < 81; ++i)
        cyan += play.Grid3.backColor(i / 9, i % 9) == Cyan;
    if (givens != static_cast<int>(81 - std::count(expected.begin(), expected.end(), '0')) ||
        cyan != givens)
        fail("the givens are miscounted or miscoloured", text);
    const std::optional<std::vector<std::string>> exported = store.boards();
    if (!exported || exported->size() != 1 || exported->front() != expected)
        fail("the exported board is not the text's digits", text);
    if (!store.chooseForDelete(std::nullopt) ||
        store.deleteCurrent().state != StoreChange::State::Done)
        fail("not deleted", text);
    return 0;
}
