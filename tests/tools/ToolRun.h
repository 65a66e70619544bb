// Runs a built tool as a user runs it: its arguments, its standard input, what it gives back.
#pragma once

#include "support/TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct ToolRun {
    int status; // the exit status; -1 when the tool did not exit normally
    std::string out, err;
};

// Runs `program` with `arguments` (shell words) on `input` as standard input.
// The arguments come after the run's own redirections, so that a redirection
// among them ("> /dev/full") wins.
inline ToolRun runTool(const std::string& program, const std::string& arguments,
                       const std::string& input) {
    const std::string base = ::testing::TempDir() + "tabrel-tool-" + std::to_string(::getpid());
    std::ofstream(base + ".in") << input;
    const int status = std::system(
        (program + " <" + base + ".in >" + base + ".out 2>" + base + ".err " + arguments).c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, contentsOf(base + ".out"),
                contentsOf(base + ".err")};
    for (const char* file : {".in", ".out", ".err"})
        std::remove((base + file).c_str());
    return run;
}
