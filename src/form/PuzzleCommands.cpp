// The puzzles that come from outside the board: new ones, typed keys, the
// clipboard, and files of puzzles.
#include "controls/BoardText.h"
#include "engine/PuzzleText.h"
#include "entry/KeyCodes.h"
#include "form/Frm_TaBrel.h"
#include "form/PuzzleFile.h"

void Frm_TaBrel::showNewPuzzle(std::string_view board, std::optional<engine::Level> level) {
    if (solving_) {
        waitingPuzzle_.emplace(std::string(board), level);
        StopFlag = true;
        return;
    }
    keepPendingNow();
    leaveEditorAfterLoading(play_.showNewPuzzle(board));
    beginGame();
    game_.level = level;
}

void Frm_TaBrel::Grid3_KeyPress(int& KeyAscii) {
    if (KeyAscii >= '1' && KeyAscii <= '9')
        Text2.setText(std::string(1, static_cast<char>(KeyAscii)));
    else if (KeyAscii == '0' || KeyAscii == ' ' || KeyAscii == Keys::Backspace)
        Text2.setText("");
    else
        return;
    KeyAscii = 0;
    Command11_Click();
    recordTypedMove(play_.Grid3.row(), play_.Grid3.col());
}

std::string Frm_TaBrel::copyPuzzle() const {
    return digitLine(SSTab2.tab == Page::Entry ? entry_.Grid2 : play_.Grid3, '.');
}

void Frm_TaBrel::pastePuzzle(std::string_view text) {
    const engine::PuzzleReading reading = engine::readPuzzle(text);
    if (!reading.board) {
        show(pasteProblemMessage(reading.problem));
        return;
    }
    if (const auto repeat = engine::repeatedGiven(*reading.board)) {
        show(pasteRepeatMessage(*reading.board, *repeat));
        return;
    }
    const std::string line = engine::formatLine(*reading.board);
    if (SSTab2.tab == Page::Entry)
        entry_.typeBoard(line);
    else
        showNewPuzzle(line);
}

void Frm_TaBrel::importPuzzles(const std::filesystem::path& file) {
    const FileText read = readFileText(file);
    if (!read.text) {
        show(importUnreadableMessage(file.string(), read.problem));
        return;
    }
    const PuzzleLines lines = puzzleLines(*read.text);
    const StoreImport outcome = games_.import(lines.boards, shell_.now());
    show(importMessage(outcome, lines.notPuzzles, file.string(), games_.file()));
    if (outcome.added > 0)
        listGames();
}

void Frm_TaBrel::exportPuzzles(const std::filesystem::path& file) {
    const auto boards = games_.boards();
    if (!boards) {
        show(exportUnavailableMessage(games_.file()));
        return;
    }
    const std::string problem = writeFileText(file, puzzleFileText(*boards));
    show(exportMessage(static_cast<int>(boards->size()), file.string(), problem));
}

void Frm_TaBrel::showAbout() {
    show(aboutMessage());
}

void Frm_TaBrel::showShortcuts(const std::vector<std::pair<std::string, std::string>>& keys) {
    show(shortcutsMessage(keys));
}
