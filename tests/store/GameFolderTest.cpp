// The folder of the stored games, chosen on a real disk by a user whom the permission bits bind.
#include "store/GameFolder.h"

#include "store/GameStore.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <fstream>

namespace {

namespace fs = std::filesystem;

// Beside the program unless that folder can neither serve nor be written; a data
// folder chosen is created when missing, and only then. A folder that does not
// exist takes no file.
TEST(GameFolder, StaysBesideTheProgramUnlessThatFolderCanNeitherServeNorBeWritten) {
    const struct {
        const char* name;
        bool databaseThere, writable, dataFolder, dataChosen;
    } cases[] = {
        {"AFolderTheUserCannotWrite", false, false, true, true},
        {"ADatabaseWhereTheUserCannotWrite", true, false, true, false},
        {"AWritableFolder", false, true, true, false},
        {"NoDataFolderToGoTo", false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        const fs::path program = root.path() / "bin", home = root.path() / "home";
        const fs::path data = home / "share" / "tabrel";
        fs::permissions(root.path(), fs::perms(0755));
        fs::create_directory(program);
        if (c.databaseThere)
            std::ofstream(program / GameStoreFileName) << "";
        fs::permissions(program, fs::perms(c.writable ? 0777 : 0755));
        fs::create_directory(home);
        fs::permissions(home, fs::perms(0777));
        const std::string seen = asUnprivilegedUser([&] {
            const fs::path chosen = gameFolder(program, c.dataFolder ? data : fs::path());
            return chosen.string() + (fs::is_directory(data) ? " +data" : "") +
                   (canCreateFilesIn(program) ? " writable" : "") +
                   (canCreateFilesIn(home / "missing") ? " missing" : "");
        });
        EXPECT_EQ(seen, (c.dataChosen ? data.string() + " +data" : program.string()) +
                            (c.writable ? " writable" : ""));
    }
}

} // namespace
