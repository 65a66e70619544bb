// The menu bar, the play grid's keys, the clipboard, new puzzles and puzzle files on the window.
#include "WindowFixture.h"
#include "engine/PuzzleText.h"
#include "engine/Rating.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <fstream>

namespace {

using engine::Level;

using MenuTest = WindowTest;

const std::string Other = cellsOf(EasyPuzzle.puzzle);

// Each key does what "Put In the Grid" does with that digit box, and the cell
// typed on stays current (a view's search for the key must not move it); the
// arrows move on from there.
TEST_F(MenuTest, KeysOnThePlayGridPutInClearAndMove) {
    typeAt(0, 1, Qt::Key_8);
    EXPECT_EQ(cell("Grid3", 0, 1).data().toString(), "8");
    EXPECT_EQ(find<QLineEdit>("Text2")->text(), "8") << "the digit box shows the digit put in";
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    EXPECT_EQ(find<GridView>("Grid3")->currentIndex(), cell("Grid3", 1, 2));
    for (const Qt::Key clearing : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_0, Qt::Key_Space}) {
        SCOPED_TRACE(clearing);
        key(Qt::Key_4);
        key(clearing);
        EXPECT_EQ(cell("Grid3", 1, 2).data().toString(), "");
    }
    find("Grid1")->setFocus(); // its cells start with "1": a search would jump to one
    window.form().controls().Grid1.setCurrent(4, 4);
    key(Qt::Key_1);
    EXPECT_EQ(find<GridView>("Grid1")->currentIndex(), cell("Grid1", 4, 4));
}

// A letter typed into a text box is text, never a command, and a text box keeps
// Ctrl+Z and Ctrl+C for its text; on a grid they are Update, Revert and Copy. A
// button takes no single letters either.
TEST_F(MenuTest, KeysActOnlyWhereTheyBelong) {
    auto* digit = find<QLineEdit>("Text2");
    digit->setFocus();
    digit->selectAll();
    QTest::keyClicks(digit, "u");
    EXPECT_EQ(digit->text(), "u");
    digit->selectAll();
    key(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "u");
    const std::tuple<const char*, QKeySequence, int> keys[] = {
        {"Grid3", QKeySequence(Qt::Key_U), 1},
        {"Command4", QKeySequence(Qt::Key_U), 1},
        {"Text2", QKeySequence(Qt::CTRL | Qt::Key_Z), 1},
        {"Grid3", QKeySequence(Qt::CTRL | Qt::Key_Z), 0},
        {"Grid3", QKeySequence(Qt::CTRL | Qt::Key_Y), 1},
        {"Grid3", QKeySequence(Qt::CTRL | Qt::Key_Z), 0},
        {"Grid3", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), 1}};
    for (const auto& [widget, sequence, slot] : keys) {
        find(widget)->setFocus();
        key(sequence);
        EXPECT_EQ(window.form().play().HistIdx, slot)
            << widget << " " << sequence.toString().toStdString();
    }
    key(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), shown("Grid3"));
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

// Each level gives a puzzle rated at that level; Ctrl+N repeats the level last
// asked for.
TEST_F(MenuTest, ANewPuzzleOfEachLevelIsAtItsLevel) {
    const std::pair<const char*, Level> levels[] = {{"NewEasyPuzzle", Level::Easy},
                                                    {"NewMediumPuzzle", Level::Medium},
                                                    {"NewHardPuzzle", Level::Hard},
                                                    {"Ctrl+N", Level::Hard}};
    for (const auto& [entry, level] : levels) {
        SCOPED_TRACE(entry);
        const std::string before = shown("Grid3");
        shell.clock += std::chrono::seconds(1); // the seed of a new puzzle
        if (find<QAction>(entry)) {
            trigger(entry);
        } else {
            clickCell("Grid3", 0, 1);
            key(QKeySequence(entry));
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown("Grid3") != before; }, 60'000));
        EXPECT_EQ(engine::rate(*engine::parseLine(shown("Grid3")), true).level, level);
        EXPECT_EQ(window.form().play().HistIdx, 0);
    }
}

// While a puzzle is made the window shows it is busy and takes no second
// request; closing it then must neither crash nor wait for the puzzle.
TEST_F(MenuTest, ClosingTheWindowWhileAPuzzleIsMadeEndsCleanly) {
    trigger("NewExtremePuzzle");
    EXPECT_EQ(window.cursor().shape(), Qt::BusyCursor);
    for (const char* entry :
         {"NewEasyPuzzle", "NewMediumPuzzle", "NewHardPuzzle", "NewExpertPuzzle"})
        EXPECT_FALSE(find<QAction>(entry)->isEnabled()) << entry;
    const std::string before = shown("Grid3");
    clickCell("Grid3", 0, 1);
    key(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(shown("Grid3"), before);
    window.close();
}

// The clipboard's text reaches the form, for the page shown; the files the
// dialog names go to the form, and a cancelled dialog does nothing (a box
// nobody scripted would fail the test).
TEST_F(MenuTest, PuzzlesComeInAndGoOutThroughTheClipboardAndTheFileDialog) {
    showPage(1);
    QGuiApplication::clipboard()->setText(QString::fromStdString(Other + "\r\n"));
    trigger("PastePuzzle");
    EXPECT_EQ(shown("Grid2"), Other);
    const std::filesystem::path file = folder.path() / "puzzles.txt";
    std::ofstream(file) << Other << "\n";
    window.chooseFile = [&](bool) { return QString::fromStdString(file.string()); };
    shell.messages.answerNext(MsgAnswer::Ok);
    trigger("ImportPuzzles");
    EXPECT_EQ(find<QComboBox>("DataCombo1")->count(), 1);
    std::filesystem::remove(file);
    shell.messages.answerNext(MsgAnswer::Ok);
    trigger("ExportPuzzles");
    EXPECT_TRUE(std::filesystem::exists(file));
    window.chooseFile = [](bool) { return QString(); };
    trigger("ImportPuzzles");
    trigger("ExportPuzzles");
}

} // namespace
