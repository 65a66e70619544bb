// The menu bar, the keys of the play grid and the buttons, the clipboard, new
// puzzles made off the window's thread, and files of puzzles, on the real window.
#include "WindowFixture.h"
#include "engine/PuzzleText.h"
#include "engine/Rating.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <fstream>

namespace {

using engine::Level;

class MenuTest : public WindowTest {
protected:
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
    void trigger(const char* name) {
        ASSERT_NE(action(name), nullptr) << name;
        action(name)->trigger();
    }
    // Types `keys` into the focused widget, as the user does.
    void typeKey(QKeySequence keys) { QTest::keySequence(QApplication::focusWidget(), keys); }
    void focusPlayGrid(int row = 0, int col = 1) { clickCell("Grid3", row, col); }
    void setClipboard(const std::string& text) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
};

const std::string Other = cellsOf(EasyPuzzle.puzzle);

// Each key does what "Put In the Grid" does with that digit box; the arrows move on.
TEST_F(MenuTest, KeysOnThePlayGridPutInClearAndMove) {
    focusPlayGrid(0, 1);
    key(Qt::Key_8);
    EXPECT_EQ(cell("Grid3", 0, 1).data().toString(), "8");
    EXPECT_EQ(find<QLineEdit>("Text2")->text(), "8") << "the digit box shows the digit put in";
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    EXPECT_EQ(find<GridView>("Grid3")->currentIndex(), cell("Grid3", 1, 2));
    key(Qt::Key_4);
    for (const Qt::Key clearing : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_0, Qt::Key_Space}) {
        SCOPED_TRACE(clearing);
        key(Qt::Key_4);
        key(clearing);
        EXPECT_EQ(cell("Grid3", 1, 2).data().toString(), "");
    }
    EXPECT_EQ(cell("Grid3", 0, 1).data().toString(), "8");
    EXPECT_EQ(window.form().play().HistIdx, 0) << "Put In the Grid records no history";
}

// A letter typed into a text box is text, never a command.
TEST_F(MenuTest, SingleKeysActOnlyWhileAGridHasTheFocus) {
    find("Text2")->setFocus();
    find<QLineEdit>("Text2")->selectAll();
    QTest::keyClicks(find("Text2"), "u");
    EXPECT_EQ(find<QLineEdit>("Text2")->text(), "u");
    EXPECT_EQ(window.form().play().HistIdx, 0) << "Update did not run";
    focusPlayGrid();
    key(Qt::Key_U);
    EXPECT_EQ(window.form().play().HistIdx, 1) << "Update ran and recorded its sweep";
    find("Command4")->setFocus(); // a button: single letters do nothing there either
    key(Qt::Key_U);
    EXPECT_EQ(window.form().play().HistIdx, 1);
}

// In a text box Ctrl+Z undoes the typing; anywhere else it is Revert.
TEST_F(MenuTest, CtrlZStepsBackOutsideTextBoxes) {
    focusPlayGrid();
    key(Qt::Key_U);
    ASSERT_EQ(window.form().play().HistIdx, 1);
    find("Text2")->setFocus();
    typeKey(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(window.form().play().HistIdx, 1) << "in the digit box Ctrl+Z undoes typing";
    focusPlayGrid();
    typeKey(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(window.form().play().HistIdx, 0);
    typeKey(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(window.form().play().HistIdx, 1);
    typeKey(QKeySequence(Qt::CTRL | Qt::Key_Z));
    typeKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_EQ(window.form().play().HistIdx, 1);
}

// Escape reaches Stop from the button that started the run, where the click left the focus.
TEST_F(MenuTest, EscapeStopsARunStartedWithAClick) {
    shell.everyYield = [&] {
        if (window.form().play().HistIdx == 4)
            key(Qt::Key_Escape);
    };
    click("Cmd_findodd");
    EXPECT_EQ(window.form().autoPlayPasses(), 2);
}

TEST_F(MenuTest, CopyPutsThePlayGridOnTheClipboardAndATextBoxKeepsCtrlC) {
    focusPlayGrid();
    typeKey(QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), cellsOf(BuiltInBoard));
    find("Text2")->setFocus();
    find<QLineEdit>("Text2")->selectAll();
    typeKey(QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0");
}

// A pasted puzzle reaches the grid of the page shown; text that is no puzzle
// changes nothing.
TEST_F(MenuTest, PastedPuzzlesReachTheGridOfThePageShown) {
    for (const int page : {0, 1}) {
        SCOPED_TRACE(page);
        showPage(page);
        const char* grid = page == 0 ? "Grid3" : "Grid2";
        setClipboard(Other + "\r\n");
        trigger("PastePuzzle");
        EXPECT_EQ(shown(grid), Other);
        EXPECT_EQ(cell(grid, 0, 0).data(Qt::BackgroundRole), QColor(0, 255, 255));
        setClipboard("Dear friend, here is a puzzle");
        shell.messages.answerNext(MsgAnswer::Ok);
        trigger("PastePuzzle");
        EXPECT_TRUE(shell.messages.texts().back().starts_with("The clipboard holds no puzzle"));
        EXPECT_EQ(shown(grid), Other) << "nothing changed";
    }
    EXPECT_EQ(shown("Grid1").substr(0, 1), "1") << "the candidates start full";
}

// Each level gives a puzzle rated at that level; Ctrl+N repeats the level last
// asked for.
TEST_F(MenuTest, ANewPuzzleOfEachLevelIsUniqueAndAtItsLevel) {
    const std::pair<const char*, Level> levels[] = {{"NewEasyPuzzle", Level::Easy},
                                                    {"NewMediumPuzzle", Level::Medium},
                                                    {"NewHardPuzzle", Level::Hard},
                                                    {"Ctrl+N", Level::Hard}};
    for (const auto& [entry, level] : levels) {
        SCOPED_TRACE(entry);
        const std::string before = shown("Grid3");
        if (action(entry)) {
            trigger(entry);
        } else {
            focusPlayGrid();
            typeKey(QKeySequence(entry));
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown("Grid3") != before; }, 60'000));
        const engine::Board board = *engine::parseLine(shown("Grid3"));
        EXPECT_EQ(engine::rate(board, true).level, level) << shown("Grid3");
        EXPECT_EQ(cell("Grid1", 4, 4).data().toString(), "123456789");
        EXPECT_EQ(window.form().play().HistIdx, 0);
    }
}

// While a puzzle is made the window shows it is busy and takes no second
// request; closing it then must neither crash nor wait for the puzzle.
TEST_F(MenuTest, ClosingTheWindowWhileAPuzzleIsMadeEndsCleanly) {
    trigger("NewExpertPuzzle");
    EXPECT_EQ(window.cursor().shape(), Qt::BusyCursor);
    for (const char* entry :
         {"NewEasyPuzzle", "NewMediumPuzzle", "NewHardPuzzle", "NewExpertPuzzle"})
        EXPECT_FALSE(action(entry)->isEnabled()) << entry;
    const std::string before = shown("Grid3");
    focusPlayGrid();
    typeKey(QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(shown("Grid3"), before);
    window.close();
}

TEST_F(MenuTest, FilesOfPuzzlesGoInAndComeBackOutThroughTheDialog) {
    const std::filesystem::path in = folder.path() / "in.txt";
    const std::filesystem::path out = folder.path() / "out.txt";
    std::ofstream(in) << "# two puzzles\n" << Other << " 1.2\n" << Other << "\nnonsense\n";
    window.chooseFile = [&](bool saving) {
        return QString::fromStdString((saving ? out : in).string());
    };
    shell.messages.answerNext(MsgAnswer::Ok);
    trigger("ImportPuzzles");
    EXPECT_EQ(shell.messages.texts().back(),
              "Added 1 puzzle from \"" + in.string() +
                  "\" to the stored games.\n\nSkipped 1 repeated in the file and 1 line that is "
                  "not a puzzle.");
    EXPECT_EQ(find<QComboBox>("DataCombo1")->count(), 1);
    shell.messages.answerNext(MsgAnswer::Ok);
    trigger("ExportPuzzles");
    std::ifstream written(out);
    std::string header, line;
    std::getline(written, header);
    std::getline(written, line);
    EXPECT_TRUE(header.starts_with("#"));
    EXPECT_EQ(line, Other);
    window.chooseFile = [](bool) { return QString(); }; // the user cancels
    trigger("ImportPuzzles");
    trigger("ExportPuzzles");
    EXPECT_EQ(shell.messages.shown().size(), 2u) << "a cancelled dialog does nothing";
}

} // namespace
