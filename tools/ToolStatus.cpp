// How the puzzle tools tell a problem.
#include "ToolStatus.h"

#include <cstdio>

namespace tool {

void complain(std::string_view problem) {
    std::fprintf(stderr, "%s: %.*s\n", ProgramName, static_cast<int>(problem.size()),
                 problem.data());
}

int usageError(std::string_view problem) {
    std::fprintf(stderr, "%s: %.*s (see %s --help)\n", ProgramName,
                 static_cast<int>(problem.size()), problem.data(), ProgramName);
    return UsageError;
}

} // namespace tool
