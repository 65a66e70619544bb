// Temporary folders made with mkdtemp, so parallel tests never share one.
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tabrel-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "cannot make a temporary folder from " << pattern;
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
