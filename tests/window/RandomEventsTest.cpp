// Long seeded runs of random events: the window lives and shows the form's state throughout.
#include "WindowFixture.h"
#include "window/Units.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <array>
#include <random>

namespace {

constexpr int Events = 4000;    // per seed
constexpr int CheckEvery = 250; // events between two comparisons of form and window

const char* const Buttons[] = {"Command11",   "Command1",  "Command13", "Command3", "Command4",
                               "Command9",    "Command12", "Command7",  "Command5", "Command8",
                               "Cmd_findodd", "Command2",  "Command6",  "Command10"};
const char* const Grids[] = {"Grid1", "Grid2", "Grid3"};
// Ctrl+Q is left out: it would end the run.
const Qt::Key Keys[] = {
    Qt::Key_0,      Qt::Key_1,         Qt::Key_5,      Qt::Key_9,      Qt::Key_A,   Qt::Key_Space,
    Qt::Key_Period, Qt::Key_Minus,     Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,  Qt::Key_Down,
    Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Delete, Qt::Key_Tab, Qt::Key_Home,
    Qt::Key_End,    Qt::Key_C,         Qt::Key_D,      Qt::Key_U,      Qt::Key_V,   Qt::Key_Y,
    Qt::Key_Z,      Qt::Key_N,         Qt::Key_F,      Qt::Key_B,      Qt::Key_M,   Qt::Key_H};
const char* const Actions[] = {"NewEasyPuzzle",
                               "NewMediumPuzzle",
                               "NewHardPuzzle",
                               "CopyPuzzle",
                               "PastePuzzle",
                               "ImportPuzzles",
                               "ExportPuzzles",
                               "KeyboardShortcuts",
                               "Hint",
                               "ApplyHint",
                               "FillCandidates",
                               "ResetCandidates",
                               "RemoveCandidatesWhenPlacing",
                               "ShowMistakes",
                               "BacktoLastCorrectBoard",
                               "History",
                               "Clock",
                               "ContinueLastGame"};
const char* const Clipboard[] = {
    "", "not a puzzle",
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
    "11...............................................................................",
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3.."};
const char* const Texts[] = {
    "", "7", "0", "12", " 4", "x", "1e3", "-3", "é", "9999999999999999", "1-5/12/26", "  ", "3.5"};

class RandomEvents : public WindowTest, public ::testing::WithParamInterface<unsigned> {
protected:
    RandomEvents() : random(GetParam()) {
        shell.answerEveryBox = [this](MsgButtons buttons) {
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok
                                             : (pick(2) == 0 ? MsgAnswer::Yes : MsgAnswer::No);
        };
        // Import and export use one file, so an export can come back.
        window.chooseFile = [this](bool) {
            return QString::fromStdString((folder.path() / "puzzles.txt").string());
        };
        for (int g = 0; g < 3; ++g)
            watchRepaints(Grids[g], painted[g]);
        // A run's yields let the user's events in: some come in the middle of one.
        shell.everyYield = [this] {
            if (insideYield || pick(8) != 0)
                return;
            insideYield = true;
            last = act();
            ++events;
            insideYield = false;
        };
    }

    // What a view last heard of each cell, text and colour: a change the model
    // never reported would stay unpainted.
    using Painted = std::array<std::pair<QString, QVariant>, 81>;

    void watchRepaints(const char* grid, Painted& cells) {
        QAbstractItemModel* model = find<GridView>(grid)->model();
        auto repaint = [model, &cells](const QModelIndex& from, const QModelIndex& to) {
            for (int row = from.row(); row <= to.row(); ++row)
                for (int col = from.column(); col <= to.column(); ++col) {
                    const QModelIndex index = model->index(row, col);
                    cells[row * 9 + col] = {index.data().toString(),
                                            index.data(Qt::BackgroundRole)};
                }
        };
        QObject::connect(model, &QAbstractItemModel::dataChanged, &window, repaint);
        repaint(model->index(0, 0), model->index(8, 8));
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    template <typename T, std::size_t N>
    const T& any(const T (&items)[N]) {
        return items[pick(static_cast<int>(N))];
    }

    // One event a user or another program could cause; returns what it was. Only
    // what the user can see can be clicked.
    std::string act() {
        auto* list = find<QComboBox>("DataCombo1");
        switch (pick(11)) {
        case 0:
        case 1: {
            const char* name = any(Buttons);
            if (find(name)->isVisible())
                click(name);
            return name;
        }
        case 2:
        case 3: {
            const char* grid = any(Grids);
            const int row = pick(9), col = pick(9);
            if (find(grid)->isVisible())
                clickCell(grid, row, col);
            return std::string(grid) + " cell " + std::to_string(row * 9 + col);
        }
        case 4:
            showPage(pick(2));
            return "page";
        case 5: {
            QLineEdit* const fields[] = {find<QLineEdit>("Text2"), find<QLineEdit>("Text1"),
                                         list->lineEdit()};
            any(fields)->setText(QString::fromUtf8(any(Texts)));
            return "set text";
        }
        case 6:
            if (find("Check1")->isVisible())
                click("Check1");
            return "fast entry";
        case 7:
            if (pick(2) == 0) {
                list->setCurrentIndex(pick(list->count() + 1) - 1);
            } else {
                list->setFocus();
                QTest::keyClick(list, pick(2) == 0 ? Qt::Key_Up : Qt::Key_Down);
            }
            return "choose a game";
        case 8: {
            const char* name = any(Actions);
            QGuiApplication::clipboard()->setText(any(Clipboard));
            find<QAction>(name)->trigger();
            return name;
        }
        default: {
            const Qt::Key pressed = any(Keys);
            const Qt::KeyboardModifiers held = pick(4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target ? target : &window, pressed, held);
            return "key " + std::to_string(pressed) + (held ? " with Ctrl" : "");
        }
        }
    }

    // The first thing the window shows otherwise than the form holds it; "" when none.
    std::string difference() {
        Frm_TaBrel& form = window.form();
        for (int g = 0; g < 3; ++g) {
            auto* view = find<GridView>(Grids[g]);
            const CellGrid& grid = view->gridModel().grid();
            for (int i = 0; i < 81; ++i) {
                const Rgb back = grid.backColor(i / 9, i % 9);
                if (painted[g][i].first.toStdString() != grid.text(i / 9, i % 9) ||
                    painted[g][i].second.value<QColor>() != QColor(back.r, back.g, back.b))
                    return std::string(Grids[g]) + " cell " + std::to_string(i);
            }
            if (view->currentIndex() != cell(Grids[g], grid.row(), grid.col()))
                return std::string(Grids[g]) + " current cell";
        }
        auto* editor = find<QLineEdit>("Text1");
        auto* list = find<QComboBox>("DataCombo1");
        auto* history = find<QListWidget>("History");
        std::vector<std::string> shownLabels, storedLabels;
        for (int i = 0; i < list->count(); ++i)
            shownLabels.push_back(list->itemText(i).toStdString());
        for (const ListEntry& entry : form.controls().DataCombo1.entries())
            storedLabels.push_back(entry.label);
        const UnitRect& place = form.controls().Text1.rect();
        const std::pair<const char*, bool> agrees[] = {
            {"Text2",
             find<QLineEdit>("Text2")->text().toStdString() == form.controls().Text2.text()},
            {"Text1", editor->text().toStdString() == form.controls().Text1.text()},
            {"Text1 shown", editor->isHidden() != form.controls().Text1.visible()},
            {"Text1 place",
             !form.controls().Text1.visible() ||
                 editor->geometry().topLeft() == QPoint(toPixels(place.left), toPixels(place.top))},
            {"list entries", shownLabels == storedLabels},
            {"list selection", list->currentIndex() == form.controls().DataCombo1.selected()},
            {"list text", list->currentText().toStdString() == form.controls().DataCombo1.text()},
            {"PlayStatus",
             find<QLabel>("PlayStatus")->text().toStdString() == form.controls().PlayStatus.text()},
            {"EntryStatus", find<QLabel>("EntryStatus")->text().toStdString() ==
                                form.controls().EntryStatus.text()},
            {"PlayStatus outlived the board it spoke of",
             form.controls().PlayStatus.text().empty() || !form.controls().PlayStatus.stale()},
            {"Check1",
             find<QCheckBox>("Check1")->isChecked() == (form.controls().Check1.value != 0)},
            {"history rows",
             history->count() ==
                 std::max<int>(form.play().lastRecorded(), form.play().HistIdx) + 1},
            {"history slot", history->currentRow() == form.play().HistIdx},
            {"mistakes", find<QLabel>("MistakesLine")->text().toStdString() == form.mistakesLine()},
            {"page shown", find<QTabWidget>("SSTab2")->currentIndex() ==
                               static_cast<int>(form.controls().SSTab2.tab)}};
        for (const auto& [what, same] : agrees)
            if (!same)
                return what;
        return {};
    }

    std::mt19937 random;
    Painted painted[3];
    int events = 0;
    std::string last; // the latest event, for the failure message
    bool insideYield = false;
};

TEST_P(RandomEvents, TheWindowLivesAndShowsTheFormsStateThroughout) {
    int checked = 0;
    while (events < Events) {
        last = act();
        ++events;
        QCoreApplication::processEvents();
        if (events / CheckEvery > checked || events >= Events) {
            checked = events / CheckEvery;
            // An answer that came in the last pass asks for a repaint of the history.
            QCoreApplication::processEvents();
            ASSERT_EQ(difference(), "") << "after event " << events << ", " << last;
        }
    }
    EXPECT_TRUE(window.isVisible());
    click("Command9"); // the program still answers

    // Closed and started again, the game on screen comes back.
    const std::string board = shown("Grid3");
    const bool changed = window.form().play().lastRecorded() > 0;
    window.close();
    ScriptedQtShell nextShell;
    nextShell.answerEveryBox = shell.answerEveryBox;
    MainWindow next{nextShell, where(), inFolder("settings.ini")};
    next.form().continueLastGame();
    if (changed) {
        EXPECT_EQ(boardOf(next.form().controls().Grid3), board);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEvents, ::testing::Range(1u, 6u),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

} // namespace
