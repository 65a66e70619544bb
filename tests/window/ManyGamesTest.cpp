// The stored-games list with ten thousand games: newest first, and a game found
// by typing the start of its label.
#include "WindowFixture.h"
#include "controls/BoardText.h"
#include "store/GameStore.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int Games = 10000;

// Game n's board: row n % 9 holds 1-9 starting at the digit n % 9 + 1, the rest empty.
std::string boardOf(int n) {
    std::string board(81, '0');
    for (int col = 0; col < 9; ++col)
        board[static_cast<std::size_t>(n % 9 * 9 + col)] = static_cast<char>('1' + (n + col) % 9);
    return board;
}

class ManyGames : public ::testing::Test {
protected:
    static std::filesystem::path stored(const TempFolder& folder) {
        std::vector<std::string> boards;
        for (int n = 1; n <= Games; ++n)
            boards.push_back(boardOf(n));
        GameStore(folder.path() / GameStoreFileName).addAll("2026-12-05 10:00:00", boards);
        return folder.path();
    }

    QComboBox* list() { return window.findChild<QComboBox*>("DataCombo1"); }

    ScriptedQtShell shell;
    TempFolder folder;
    MainWindow window{shell, QString::fromStdString(stored(folder).string()),
                      QString::fromStdString((folder.path() / "settings.ini").string())};
};

// Typing "1234-" completes to that game's label, and Enter picks it for Restore.
TEST_F(ManyGames, TheListShowsEveryGameNewestFirstAndTypingALabelFindsIt) {
    ASSERT_EQ(list()->count(), Games);
    EXPECT_EQ(list()->itemText(0), "10000-5/12/26");
    for (int i = 1; i < list()->count(); ++i)
        ASSERT_EQ(list()->itemData(i).toLongLong(), Games - i) << "entry " << i;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    list()->lineEdit()->setFocus();
    list()->lineEdit()->clear();
    QTest::keyClicks(list()->lineEdit(), "1234-");
    QTest::keyClick(list()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list()->currentText(), "1234-5/12/26");
    ASSERT_EQ(window.form().controls().DataCombo1.selected(), Games - 1234);
    QTest::mouseClick(window.findChild<QWidget*>("Command6"), Qt::LeftButton);
    EXPECT_EQ(storedBoardText(window.form().controls().Grid3), boardOf(1234));
}

} // namespace
