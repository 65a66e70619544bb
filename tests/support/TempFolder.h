// A fresh folder (mkdtemp: parallel tests never share one) removed afterwards; a file's bytes.
#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tabrel-XXXXXX").string();
        EXPECT_TRUE(mkdtemp(pattern.data())) << "cannot make a temporary folder from " << pattern;
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The bytes of `file`; "" for a folder or no file.
inline std::string contentsOf(const std::filesystem::path& file) {
    if (!std::filesystem::is_regular_file(file))
        return {};
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
