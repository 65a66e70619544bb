// Where the stored games are kept: beside the executable, as always, unless that
// folder neither holds them nor can take them, as when the program is installed
// in a folder only an administrator may write.
#pragma once

#include <filesystem>

// What the choice is made from.
struct GameFolderFacts {
    std::filesystem::path programFolder; // the executable's folder
    bool databaseThere = false;          // something named GameStoreFileName is in it
    bool programFolderWritable = false;  // the running user can create a file in it
    std::filesystem::path dataFolder;    // the user's data folder; "" when there is none
};

// The program's folder when it holds the database or can be written; otherwise
// the data folder, and the program's folder again when there is no data folder.
std::filesystem::path chooseGameFolder(const GameFolderFacts& facts);

// True when the running user may create a file in `folder` now. The system is
// asked, not the permission bits, which do not bind an administrator and miss a
// read-only mount; false for a folder that does not exist.
bool canCreateFilesIn(const std::filesystem::path& folder);

// The folder of the stored games for a program in `programFolder`: the facts
// gathered from the disk and chosen by chooseGameFolder. A data folder chosen is
// created when missing; if that fails, opening the file there says so.
std::filesystem::path gameFolder(const std::filesystem::path& programFolder,
                                 const std::filesystem::path& dataFolder);
