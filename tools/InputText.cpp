// Reading a tool's whole input in one go.
#include "InputText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace tool {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::optional<std::string> readStream(std::FILE* stream) {
    std::string text;
    char chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        text.append(chunk, got);
    if (std::ferror(stream))
        return std::nullopt;
    return text;
}

} // namespace

std::optional<std::string> readInput(std::string_view program,
                                     const std::optional<std::string>& file) {
    const std::unique_ptr<std::FILE, FileCloser> opened(file ? std::fopen(file->c_str(), "rb")
                                                             : nullptr);
    std::FILE* stream = file ? opened.get() : stdin;
    auto text = stream ? readStream(stream) : std::nullopt;
    if (!text)
        std::fprintf(stderr, "%.*s: cannot read %s: %s\n", static_cast<int>(program.size()),
                     program.data(), file ? file->c_str() : "standard input", std::strerror(errno));
    return text;
}

std::string wrongLength(const engine::TextLine& line) {
    return "line " + std::to_string(line.number) + ": a puzzle has 81 characters, this line " +
           std::to_string(line.text.size());
}

} // namespace tool
