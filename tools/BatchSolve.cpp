// A puzzle run the way the window would run it, minus the window.
#include "BatchSolve.h"

#include "HeadlessShell.h"
#include "board/BoardText.h"
#include "form/Frm_TaBrel.h"

namespace {

constexpr int Size = CellGrid::Size;

std::string outcomeOf(const HeadlessShell& shell) {
    for (const std::string& text : shell.messages) {
        if (text == "Wrong Game...Duplicates Found")
            return "duplicates";
        if (text.starts_with("Successfully Completed in "))
            return "solved";
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

PuzzleResult runPuzzle(std::string_view puzzle, Press press, bool withGrid1) {
    HeadlessShell shell;
    Frm_TaBrel form(shell);
    form.Form_Load();
    form.Grid3.clear();
    form.showStoredBoard(puzzle);
    switch (press) {
    case Press::AutoPlay:
        form.Cmd_findodd_Click();
        break;
    case Press::Update:
        form.Command1_Click();
        break;
    case Press::Clue:
        form.Command13_Click();
        break;
    }
    PuzzleResult result;
    result.board = boardLine(form.Grid3, '0');
    result.outcome = press == Press::AutoPlay ? outcomeOf(shell) : "-";
    result.passes = form.autoPlayPasses();
    result.histIdx = form.HistIdx;
    if (withGrid1)
        result.grid1 = joinedTexts(form.Grid1);
    return result;
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
