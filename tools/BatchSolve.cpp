// A puzzle run the way the window would run it, minus the window and the form.
#include "BatchSolve.h"

#include "HeadlessHost.h"
#include "analysis/Analysis.h"
#include "controls/BoardText.h"

namespace {

constexpr int Size = CellGrid::Size;

const char* nameOf(AutoPlayEnd end) {
    switch (end) {
    case AutoPlayEnd::Solved:
        return "solved";
    case AutoPlayEnd::Duplicates:
        return "duplicates";
    case AutoPlayEnd::Stopped:
        break;
    }
    return "stopped";
}

} // namespace

std::optional<Press> pressNamed(std::string_view name) {
    if (name == "autoplay")
        return Press::AutoPlay;
    if (name == "update")
        return Press::Update;
    if (name == "clue")
        return Press::Clue;
    return std::nullopt;
}

// The play side as start-up leaves it, then the puzzle as "Restore Game" loads it.
PuzzleResult runPuzzle(std::string_view puzzle, Press press, bool withGrid1) {
    PlaySide play;
    play.showBuiltInPuzzle();
    play.Grid3.clear();
    play.showAsFreshGame(puzzle);
    Analysis analysis(play);
    HeadlessHost host;
    std::optional<AutoPlayOutcome> autoPlayed;
    switch (press) {
    case Press::AutoPlay: {
        const bool neverStopped = false;
        autoPlayed = analysis.autoPlay(host, neverStopped);
        break;
    }
    case Press::Update:
        analysis.update(host);
        break;
    case Press::Clue:
        analysis.clue(host);
        break;
    }
    return {boardLine(play.Grid3, '0'), autoPlayed ? nameOf(autoPlayed->end) : "-",
            autoPlayed ? autoPlayed->passes : 0, play.HistIdx,
            withGrid1 ? joinedTexts(play.Grid1) : ""};
}

std::string formatResult(const PuzzleResult& result) {
    std::string line = result.board + ' ' + result.outcome + ' ' + std::to_string(result.passes) +
                       ' ' + std::to_string(result.histIdx);
    if (!result.grid1.empty())
        line += ' ' + result.grid1;
    return line;
}

bool isSolution(std::string_view board) {
    if (board.size() != Size * Size)
        return false;
    auto holdsEachDigitOnce = [&](auto cellOf) {
        unsigned seen = 0;
        for (int i = 0; i < Size; ++i) {
            const char ch = board[cellOf(i)];
            if (ch < '1' || ch > '9')
                return false;
            seen |= 1u << (ch - '0');
        }
        return seen == 0x3FE;
    };
    for (int unit = 0; unit < Size; ++unit) {
        const int top = unit / 3 * 3;
        const int left = unit % 3 * 3;
        if (!holdsEachDigitOnce([&](int i) { return unit * Size + i; }) ||
            !holdsEachDigitOnce([&](int i) { return i * Size + unit; }) ||
            !holdsEachDigitOnce([&](int i) { return (top + i / 3) * Size + left + i % 3; }))
            return false;
    }
    return true;
}
