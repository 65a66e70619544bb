// The folder of the stored games, chosen from facts about the disk.
#include "store/GameFolder.h"

#include "store/GameStore.h"

#include <fcntl.h>
#include <unistd.h>

std::filesystem::path chooseGameFolder(const GameFolderFacts& facts) {
    if (facts.databaseThere || facts.programFolderWritable || facts.dataFolder.empty())
        return facts.programFolder;
    return facts.dataFolder;
}

bool canCreateFilesIn(const std::filesystem::path& folder) {
    // A file is created in a folder the user may write and search.
    return faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::filesystem::path gameFolder(const std::filesystem::path& programFolder,
                                 const std::filesystem::path& dataFolder) {
    std::error_code error;
    // A folder, a broken link or an unreadable entry under that name is still
    // the program's own database place: opening it says what is wrong.
    const bool databaseThere =
        std::filesystem::symlink_status(programFolder / GameStoreFileName, error).type() !=
        std::filesystem::file_type::not_found;
    const std::filesystem::path chosen = chooseGameFolder(
        {programFolder, databaseThere, canCreateFilesIn(programFolder), dataFolder});
    if (chosen != programFolder)
        std::filesystem::create_directories(chosen, error);
    return chosen;
}
