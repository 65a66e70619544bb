// The folder of the stored games: the rule on its facts, and the facts read from
// a real disk by a user who may not write the program's folder.
#include "store/GameFolder.h"

#include "store/GameStore.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <fstream>

namespace {

namespace fs = std::filesystem;

// The other cases are checked on a real disk below.
TEST(GameFolderRule, StaysBesideTheProgramUnlessThatFolderCanNeitherServeNorBeWritten) {
    const fs::path program = "/opt/bin", data = "/home/u/.local/share/tabrel";
    const struct {
        const char* name;
        bool databaseThere;
        bool writable;
        fs::path dataFolder;
        fs::path chosen;
    } cases[] = {
        {"a database in a writable folder", true, true, data, program},
        {"no data folder to go to", false, false, "", program},
    };
    for (const auto& [name, databaseThere, writable, dataFolder, chosen] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(chooseGameFolder({program, databaseThere, writable, dataFolder}), chosen);
    }
}

// The folders of a scratch tree that an unprivileged user may read but not
// write (the program's) or write (the home).
class GameFolderOnDisk : public ::testing::Test {
protected:
    GameFolderOnDisk() {
        fs::permissions(root.path(), fs::perms(0755));
        fs::create_directory(program);
        fs::permissions(program, fs::perms(0755));
        fs::create_directory(home);
        fs::permissions(home, fs::perms(0777));
    }

    // gameFolder as the unprivileged user, and whether the data folder exists after.
    std::string chosenByUser() {
        return asUnprivilegedUser([&] {
            const fs::path chosen = gameFolder(program, data);
            return chosen.string() + (fs::is_directory(data) ? " +data" : "");
        });
    }

    TempFolder root;
    const fs::path program = root.path() / "bin";
    const fs::path home = root.path() / "home";
    const fs::path data = home / "share" / "tabrel";
};

TEST_F(GameFolderOnDisk, AProgramFolderTheUserCannotWriteSendsTheGamesToTheDataFolder) {
    EXPECT_EQ(chosenByUser(), data.string() + " +data") << "created when missing";
    EXPECT_EQ(asUnprivilegedUser([&] { return std::to_string(canCreateFilesIn(program)); }), "0");
}

TEST_F(GameFolderOnDisk, ADatabaseBesideTheProgramIsKeptEvenWhereTheUserCannotWrite) {
    std::ofstream(program / GameStoreFileName) << "";
    EXPECT_EQ(chosenByUser(), program.string());
}

TEST_F(GameFolderOnDisk, AWritableProgramFolderIsUsedAndNoDataFolderIsMade) {
    fs::permissions(program, fs::perms(0777));
    EXPECT_EQ(chosenByUser(), program.string());
}

TEST(GameFolderCheck, AFolderThatDoesNotExistTakesNoFile) {
    TempFolder folder;
    EXPECT_TRUE(canCreateFilesIn(folder.path()));
    EXPECT_FALSE(canCreateFilesIn(folder.path() / "missing"));
}

} // namespace
