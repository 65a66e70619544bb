// What the puzzle tools share: their exit statuses, their name in messages and
// how they tell a problem on standard error.
#pragma once

#include <span>
#include <string_view>

namespace tool {

inline constexpr int Success = 0;
// Input that is not what the tool takes (the tool says which line), a file that
// cannot be read or written, or no puzzle generated at the level.
inline constexpr int BadInput = 1;
// An unknown command or option, or a missing or bad value.
inline constexpr int UsageError = 2;

using Arguments = std::span<const std::string_view>;

// The tool's name, first in each of its messages; each tool defines it.
extern const char* const ProgramName;

// Says "PROGRAM: problem" on standard error.
void complain(std::string_view problem);
// Says `problem` on standard error with a pointer to --help; returns UsageError.
int usageError(std::string_view problem);

} // namespace tool
