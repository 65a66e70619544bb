// The exact solver's worst boards: `hunt` searches for boards that cost it the
// most guesses, `measure` times it board by board on lists of puzzles.
#include "engine/PuzzleText.h"
#include "engine/Random.h"
#include "engine/Solver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using engine::Board;
using engine::Cells;
using engine::Random;

constexpr const char* Usage = R"(usage: tabrel_hard_boards hunt [SEED [ROUNDS [KEEP]]]
       tabrel_hard_boards measure FILE...

hunt     mutates boards for ROUNDS rounds (20000), keeping for each count of
         solutions (0, 1, 2 for two or more) the KEEP (40) boards that cost the
         exact solver the most guesses, and writes them one a line, costliest
         first, as "BOARD SOLUTIONS GUESSES". It starts from random sparse
         boards, from 17 to 24 cells of a random full grid, and from minimal
         puzzles with one given taken away or changed.
measure  for each FILE of puzzles, one a line: the fastest of five solves of
         each board, then the total, the slowest board and its time, and the
         guesses per board (median and most).
)";

struct Scored {
    Board board{};
    int solutions = 0;
    int guesses = 0;
};

Scored scored(const Board& board) {
    const engine::SolveResult result = engine::solve(board);
    return {board, result.solutions, result.guesses};
}

int below(Random& random, int bound) {
    return static_cast<int>(random.below(static_cast<std::uint32_t>(bound)));
}

std::uint8_t randomDigit(Random& random) {
    return static_cast<std::uint8_t>(1 + below(random, 9));
}

int filledCount(const Board& board) {
    return static_cast<int>(Cells - std::count(board.begin(), board.end(), 0));
}

// A random cell that is empty (or filled) in `board`; the board has one.
int randomCell(const Board& board, Random& random, bool filled) {
    for (;;)
        if (const int cell = below(random, Cells); (board[cell] != 0) == filled)
            return cell;
}

// Digits put one by one in random empty cells wherever they repeat nothing.
Board sparseBoard(Random& random) {
    Board board{};
    const int givens = 17 + below(random, 12);
    while (filledCount(board) < givens) {
        Board more = board;
        more[randomCell(board, random, false)] = randomDigit(random);
        if (!engine::repeatedGiven(more))
            board = more;
    }
    return board;
}

// 17 to 24 cells of a random full grid: a board with many solutions.
Board sampledGrid(Random& random) {
    const Board grid = engine::randomSolution(Board{}, random.next()).value();
    Board board{};
    const int givens = 17 + below(random, 8);
    while (filledCount(board) < givens) {
        const int cell = below(random, Cells);
        board[cell] = grid[cell];
    }
    return board;
}

// A minimal puzzle of a random grid with one given taken away or changed: one
// step away from a valid puzzle.
Board nearPuzzle(Random& random) {
    Board board = engine::randomSolution(Board{}, random.next()).value();
    std::array<int, Cells> order{};
    for (int cell = 0; cell < Cells; ++cell)
        order[cell] = cell;
    random.shuffle(order.data(), Cells);
    for (const int cell : order) {
        Board fewer = board;
        fewer[cell] = 0;
        if (engine::hasUniqueSolution(fewer))
            board = fewer;
    }
    board[randomCell(board, random, true)] = random.below(2) == 0 ? 0 : randomDigit(random);
    return board;
}

Board freshBoard(Random& random) {
    switch (below(random, 3)) {
    case 0:
        return sparseBoard(random);
    case 1:
        return sampledGrid(random);
    default:
        return nearPuzzle(random);
    }
}

// One given changed, moved, taken away or added, repeating nothing.
Board mutated(const Board& board, Random& random) {
    for (;;) {
        Board next = board;
        const int filled = filledCount(board);
        const int kind = below(random, 4);
        if (kind == 0 && filled > 0) {
            next[randomCell(board, random, true)] = randomDigit(random);
        } else if (kind == 1 && filled > 0 && filled < Cells) {
            const int from = randomCell(board, random, true);
            std::swap(next[from], next[randomCell(board, random, false)]);
        } else if (kind == 2 && filled > 17) {
            next[randomCell(board, random, true)] = 0;
        } else if (kind == 3 && filled < Cells) {
            next[randomCell(board, random, false)] = randomDigit(random);
        }
        if (next != board && !engine::repeatedGiven(next))
            return next;
    }
}

// The population, costliest first, each board once.
class Population {
public:
    explicit Population(std::size_t keep) : keep_(keep) {}

    void offer(const Scored& candidate) {
        if (kept_.size() == keep_ && candidate.guesses <= kept_.back().guesses)
            return;
        for (const Scored& member : kept_)
            if (member.board == candidate.board)
                return;
        const auto at = std::find_if(kept_.begin(), kept_.end(), [&](const Scored& member) {
            return member.guesses < candidate.guesses;
        });
        kept_.insert(at, candidate);
        if (kept_.size() > keep_)
            kept_.pop_back();
    }
    // A member, the costlier ones more often: the better of two drawn.
    const Board& parent(Random& random) const {
        const int size = static_cast<int>(kept_.size());
        return kept_[std::min(below(random, size), below(random, size))].board;
    }
    const std::vector<Scored>& kept() const { return kept_; }

private:
    std::size_t keep_;
    std::vector<Scored> kept_;
};

int mostGuesses(const Population& population) {
    return population.kept().empty() ? 0 : population.kept().front().guesses;
}

// A population with a member, drawn at random.
const Population& somePopulation(const std::vector<Population>& populations, Random& random) {
    for (;;)
        if (const Population& population = populations[below(random, 3)];
            !population.kept().empty())
            return population;
}

// Boards are kept apart by their count of solutions (none, one, two or more),
// so that each kind keeps its costliest. Every tenth round starts afresh so
// that the populations keep some variety; the others mutate a kept board once
// or twice.
int hunt(std::uint64_t seed, int rounds, int keep) {
    Random random(seed);
    std::vector<Population> populations(3, Population(static_cast<std::size_t>(keep)));
    const auto offer = [&](const Board& board) {
        const Scored candidate = scored(board);
        populations[candidate.solutions].offer(candidate);
    };
    for (int round = 0; round < rounds; ++round) {
        if (round < keep || round % 10 == 0) {
            offer(freshBoard(random));
            continue;
        }
        Board board = mutated(somePopulation(populations, random).parent(random), random);
        if (random.below(2) == 0)
            board = mutated(board, random);
        offer(board);
        if (round % 1000 == 999)
            std::fprintf(stderr, "round %d: most guesses %d, %d, %d (none, one, two)\n", round + 1,
                         mostGuesses(populations[0]), mostGuesses(populations[1]),
                         mostGuesses(populations[2]));
    }
    std::vector<Scored> all;
    for (const Population& population : populations)
        all.insert(all.end(), population.kept().begin(), population.kept().end());
    std::stable_sort(all.begin(), all.end(),
                     [](const Scored& a, const Scored& b) { return a.guesses > b.guesses; });
    for (const Scored& member : all)
        std::printf("%s %d %d\n", engine::formatLine(member.board).c_str(), member.solutions,
                    member.guesses);
    return 0;
}

double fastestSolveMicroseconds(const Board& board) {
    double fastest = 1e300;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        engine::solve(board);
        const std::chrono::duration<double, std::micro> taken =
            std::chrono::steady_clock::now() - start;
        fastest = std::min(fastest, taken.count());
    }
    return fastest;
}

std::vector<Board> readBoards(const char* path) {
    std::vector<Board> boards;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        if (const auto board = engine::parseCollectionLine(line))
            boards.push_back(*board);
    return boards;
}

bool measureFile(const char* path) {
    const std::vector<Board> boards = readBoards(path);
    if (boards.empty()) {
        std::fprintf(stderr, "tabrel_hard_boards: no boards in %s\n", path);
        return false;
    }
    double total = 0;
    double slowest = -1;
    Board slowestBoard{};
    std::vector<int> guesses;
    for (const Board& board : boards) {
        const double taken = fastestSolveMicroseconds(board);
        total += taken;
        if (taken > slowest) {
            slowest = taken;
            slowestBoard = board;
        }
        guesses.push_back(engine::solve(board).guesses);
    }
    std::sort(guesses.begin(), guesses.end());
    std::printf("%s: %zu boards, %.3f ms in all; slowest %.3f ms; guesses per board: median "
                "%d, most %d\n    slowest board %s\n",
                path, boards.size(), total / 1000, slowest / 1000, guesses[guesses.size() / 2],
                guesses.back(), engine::formatLine(slowestBoard).c_str());
    return true;
}

int usage() {
    std::fputs(Usage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "hunt" && args.size() <= 4) {
        try {
            const std::uint64_t seed = args.size() > 1 ? std::stoull(argv[2]) : 1;
            const int rounds = args.size() > 2 ? std::stoi(argv[3]) : 20000;
            const int keep = args.size() > 3 ? std::stoi(argv[4]) : 40;
            return keep > 0 ? hunt(seed, rounds, keep) : usage();
        } catch (const std::logic_error&) {
            return usage();
        }
    }
    if (args.size() >= 2 && args[0] == "measure") {
        bool all = true;
        for (int i = 2; i < argc; ++i)
            all = measureFile(argv[i]) && all;
        return all ? 0 : 1;
    }
    return usage();
}
