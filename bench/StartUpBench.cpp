// Times the program's start-up to the first paint of its window with many stored
// games: a copy of the program beside a database of that many games, started
// again and again, the median printed.
#include "store/GameStore.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double Limit = 0.5; // seconds: the median must stay below it

// `count` games, a hundred a day over the days before 2026-12-31, boards taken
// in turn from `puzzles` (81 characters a line).
void storeGames(const fs::path& database, int count, const fs::path& puzzles) {
    std::vector<std::string> boards;
    std::ifstream lines(puzzles);
    for (std::string line; std::getline(lines, line);)
        if (line.size() >= 81)
            boards.push_back(line.substr(0, 81));
    if (boards.empty())
        throw std::runtime_error("no puzzles in " + puzzles.string());
    GameStore store(database);
    for (int first = 0; first < count; first += 100) {
        std::vector<std::string> day;
        for (int game = first; game < std::min(count, first + 100); ++game)
            day.push_back(boards[static_cast<std::size_t>(game) % boards.size()]);
        char date[32];
        std::snprintf(date, sizeof date, "2026-%02d-%02d 12:00:00", 1 + first / 100 % 12,
                      1 + first / 1200 % 28);
        store.addAll(date, day);
    }
}

// Seconds from starting `program` to its "painted" line; negative when it
// failed or ended otherwise than with status 0.
double timeOneStart(const fs::path& program) {
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(channel[1], STDOUT_FILENO);
        close(channel[0]);
        close(channel[1]);
        setenv("TABREL_QUIT_AFTER_FIRST_PAINT", "1", 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        execl(program.c_str(), program.c_str(), nullptr);
        _exit(127);
    }
    close(channel[1]);
    std::string said;
    char buffer[64];
    ssize_t got = 0;
    while (said.find("painted\n") == std::string::npos &&
           (got = read(channel[0], buffer, sizeof buffer)) > 0)
        said.append(buffer, static_cast<std::size_t>(got));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const bool painted = said.find("painted\n") != std::string::npos;
    return painted && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

int fail(const std::string& why) {
    std::fprintf(stderr, "tabrel_startup_bench: %s\n", why.c_str());
    return 1;
}

} // namespace

// tabrel_startup_bench PROGRAM PUZZLES [GAMES [RUNS]]
int main(int argc, char** argv) {
    if (argc < 3)
        return fail("usage: tabrel_startup_bench PROGRAM PUZZLES [GAMES [RUNS]]");
    const int games = argc > 3 ? std::atoi(argv[3]) : 10000;
    const int runs = argc > 4 ? std::atoi(argv[4]) : 11;
    if (games < 0 || runs < 1)
        return fail("GAMES must be 0 or more, RUNS 1 or more");
    char pattern[] = "/tmp/tabrel-startup-XXXXXX";
    if (!mkdtemp(pattern))
        return fail("cannot make a temporary folder");
    const fs::path folder = pattern;
    const fs::path program = folder / "tabrel";
    fs::copy_file(argv[1], program);
    storeGames(folder / GameStoreFileName, games, argv[2]);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double seconds = timeOneStart(program);
        if (seconds < 0) {
            fs::remove_all(folder);
            return fail("the program did not paint and end cleanly");
        }
        times.push_back(seconds);
    }
    fs::remove_all(folder);
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("start-up to first paint, %d stored games, %d runs: median %.3f s "
                "(fastest %.3f s, slowest %.3f s)\n",
                games, runs, median, times.front(), times.back());
    if (median >= Limit)
        return fail("slower than " + std::to_string(Limit) + " s");
    return 0;
}
