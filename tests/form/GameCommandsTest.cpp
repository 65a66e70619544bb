// "Save Game", "Restore Game" and "Delete Game" on a real database file: what is asked and told.
#include "store/GameStore.h"
#include "support/FormFixture.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <fcntl.h>
#include <fstream>
#include <optional>

namespace {

using Games = std::vector<std::string>;

// A form started on `folder` that restores, saves and deletes, its boxes answered
// with `answers`: the play grid after start-up, then after Restore with the games
// listed, then the boxes' texts, a line each.
std::string session(const std::filesystem::path& folder, std::vector<MsgAnswer> answers) {
    FakeShell shell;
    for (const MsgAnswer answer : answers)
        shell.messages.answerNext(answer);
    Frm_TaBrel form{shell, folder};
    form.Form_Load();
    std::string seen = boardOf(form.controls().Grid3) + "\n";
    if (const std::string line = form.controls().PlayStatus.text(); !line.empty())
        seen += line + "\n";
    int key = '4'; // a first change, kept if the file can keep it
    form.Grid3_KeyPress(key);
    form.Command6_Click();
    seen += boardOf(form.controls().Grid3) + " " +
            std::to_string(form.controls().DataCombo1.entries().size()) + " listed\n";
    form.Command5_Click();
    form.Command10_Click();
    for (const std::string& text : shell.messages.texts())
        seen += text + "\n";
    return seen;
}

class GameCommands : public ::testing::Test {
protected:
    std::filesystem::path file() const { return folder.path() / GameStoreFileName; }

    TempFolder folder;
    FakeShell shell;
    Frm_TaBrel form{shell, folder.path()};
};

// Delete asks about the selected game and removes it only on Yes (with none
// selected the newest is meant: the store's test).
TEST_F(GameCommands, DeleteRemovesOnlyAConfirmedGame) {
    for (const char* d1 : {"1", "2"}) // as an earlier run of the program stored them
        GameStore(file()).addNew("2026-12-05 10:00:00", d1);
    form.Form_Load();
    form.controls().DataCombo1.select(1);
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        shell.messages.answerNext(answer);
        form.Command10_Click();
        EXPECT_EQ(shell.messages.texts().back(), "Are you sure to Delete Game 1");
    }
    EXPECT_EQ(GameStore(file()).boards(), Games{"2"});
}

// The user is told once, plays the built-in puzzle, and the file stays as it was.
TEST_F(GameCommands, AnUnusableFileIsToldOnceAtStartUpAndNeverTouched) {
    enum Spoil { AnotherFormat, AFolderInItsPlace, Locked };
    const std::pair<Spoil, const char*> cases[] = {
        {AnotherFormat, "is not a game database"},
        {AFolderInItsPlace, "cannot be opened or created"},
        {Locked, "is in use by another program"}};
    for (const auto& [spoil, reason] : cases) {
        SCOPED_TRACE(reason);
        TempFolder where;
        const std::filesystem::path file = where.path() / GameStoreFileName;
        const std::string name = "\"" + file.string() + "\"";
        std::optional<Database> holder;
        if (spoil == AnotherFormat)
            std::ofstream(file) << "a file of another format";
        else if (spoil == AFolderInItsPlace)
            std::filesystem::create_directory(file);
        else {
            GameStore(file).addNew("2026-12-05 10:00:00", "1");
            holder.emplace(file, Database::Access::ReadWrite).exec("begin exclusive");
        }
        const std::string before = contentsOf(file);
        const std::string seen = session(where.path(), {MsgAnswer::Ok, MsgAnswer::Ok});
        EXPECT_TRUE(seen.starts_with(cellsOf(BuiltInBoard) + "\n" + std::string(81, '.') +
                                     " 0 listed\nThe stored games in " + name +
                                     " cannot be used: the file " + reason + "."))
            << seen;
        EXPECT_TRUE(seen.ends_with("\nThe game was not stored: " + name +
                                   " could not be used when Tabrel started.\n"))
            << seen;
        EXPECT_EQ(contentsOf(file), before);
    }
}

// A file the user may read but not write is listed and restored from; Save and
// Delete say they could not write, and the file keeps every byte. The check runs
// as a user the file's bits bind, and first proves that user cannot write it.
TEST_F(GameCommands, AReadOnlyFileIsRestoredFromAndRefusesSaveAndDeleteWithTheirMessages) {
    for (const char d1 : {'1', '2'})
        GameStore(file()).addNew("2026-12-05 10:00:00", std::string(81, d1));
    std::filesystem::permissions(file(), std::filesystem::perms(0444));
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    const std::string before = contentsOf(file());
    const std::string seen = asUnprivilegedUser([&] {
        if (open(file().c_str(), O_WRONLY) >= 0)
            return std::string("the file can be written");
        using enum MsgAnswer;
        return session(folder.path(), {Ok, Ok, Yes, Ok});
    });
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    const std::string name = "\"" + file().string() + "\"";
    EXPECT_EQ(seen, cellsOf(BuiltInBoard) + "\n" +
                        "Games in progress cannot be kept: the game database is read-only.\n" +
                        std::string(81, '2') + " 2 listed\n" + "The stored games in " + name +
                        " are read-only: games can be restored, but not saved or deleted.\n" +
                        "The game was not stored in " + name + ": the file is read-only.\n" +
                        "Are you sure to Delete Game 2\n" + "Game 2 was not deleted from " + name +
                        ": the file is read-only.\n");
    EXPECT_EQ(contentsOf(file()), before);
}

} // namespace
