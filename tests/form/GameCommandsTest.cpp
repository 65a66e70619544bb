// Save, Restore, Delete, import and export on a real database file: what is asked and told.
#include "store/GameStore.h"
#include "support/FormFixture.h"
#include "support/Puzzles.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <fcntl.h>
#include <fstream>
#include <optional>

namespace {

using Games = std::vector<std::string>;

const std::string Other = cellsOf(EasyPuzzle.puzzle);

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
    std::filesystem::path write(const std::string& name, const std::string& text) {
        const std::filesystem::path file = folder.path() / name;
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }
    // What the form tells after `action`.
    std::string told(const std::function<void()>& action) {
        shell.messages.answerNext(MsgAnswer::Ok);
        action();
        return shell.messages.texts().back();
    }
    static std::string quoted(const std::filesystem::path& file) {
        return "\"" + file.string() + "\"";
    }

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
        const std::string name = quoted(file);
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
    const std::string name = quoted(file());
    EXPECT_EQ(seen, cellsOf(BuiltInBoard) + "\n" +
                        "Games in progress cannot be kept: the game database is read-only.\n" +
                        std::string(81, '2') + " 2 listed\n" + "The stored games in " + name +
                        " are read-only: games can be restored, but not saved or deleted.\n" +
                        "The game was not stored in " + name + ": the file is read-only.\n" +
                        "Are you sure to Delete Game 2\n" + "Game 2 was not deleted from " + name +
                        ": the file is read-only.\n");
    EXPECT_EQ(contentsOf(file()), before);
}

using PuzzleFiles = GameCommands;

// The common collection lines come in; comments, stored and repeated boards and
// lines that are no puzzle are skipped and counted; the export writes every
// stored game, oldest first, as lines an import reads.
TEST_F(PuzzleFiles, ImportSkipsWhatIsNoNewPuzzleAndExportWritesEveryGame) {
    form.Form_Load();
    std::string noSolution = Other;
    noSolution[2] = '1'; // no digit repeats, but r1c3 leaves no place for its 1
    putBoard(form.controls().Grid2, BuiltInBoard);
    form.Command5_Click();
    const std::filesystem::path file =
        write("collection.txt", "\xEF\xBB\xBF# a collection\r\n" + Other + " 2.3 gentle\r\n\r\n" +
                                    std::string(BuiltInBoard) + "\n" + Other + "\n" +
                                    std::string(EasyPuzzle.solution).replace(0, 1, "0") +
                                    "\tnamed\nnot a puzzle\n" + noSolution + "\n");
    EXPECT_EQ(told([&] { form.importPuzzles(file); }),
              "Added 2 puzzles from " + quoted(file) +
                  " to the stored games.\n\nSkipped 1 already stored, 1 repeated in the file "
                  "and 2 lines that are not puzzles.");
    EXPECT_EQ(form.controls().DataCombo1.entries().size(), 3u) << "the list shows the added games";
    const std::filesystem::path exported = folder.path() / "exported.txt";
    EXPECT_EQ(told([&] { form.exportPuzzles(exported); }),
              "Exported 3 stored games to " + quoted(exported) + ".");
    EXPECT_EQ(contentsOf(exported),
              "# Tabrel stored games: 3 puzzles, one a line, \".\" for an empty cell\n" +
                  cellsOf(BuiltInBoard) + "\n" + Other + "\n." +
                  std::string(EasyPuzzle.solution.substr(1)) + "\n");
}

// Nothing is added or written, and the file that could not be used is named
// with the reason.
TEST_F(PuzzleFiles, FailuresAreToldAndChangeNothing) {
    form.Form_Load();
    const std::filesystem::path missing = folder.path() / "missing.txt";
    const std::filesystem::path nowhere = folder.path() / "no folder" / "out.txt";
    EXPECT_EQ(told([&] { form.importPuzzles(missing); }),
              "No puzzles were imported: " + quoted(missing) +
                  " cannot be read (No such file or directory).");
    EXPECT_EQ(told([&] { form.importPuzzles(folder.path()); }),
              "No puzzles were imported: " + quoted(folder.path()) +
                  " cannot be read (it is a folder).");
    EXPECT_EQ(told([&] { form.exportPuzzles(nowhere); }),
              "No puzzles were exported: " + quoted(nowhere) +
                  " cannot be written (No such file or directory).");
    EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
    Database other(folder.path() / GameStoreFileName, Database::Access::ReadWrite);
    other.exec("begin immediate");
    EXPECT_TRUE(told([&] {
                    form.importPuzzles(write("one.txt", Other + "\n"));
                }).ends_with(": the file is in use by another program."));
    EXPECT_TRUE(form.controls().DataCombo1.entries().empty());
}

} // namespace
