// tabrel-print: puzzles made at a level or read from a file, laid out on the
// pages of a PDF file as the window prints them.
#include "InputText.h"
#include "MakePuzzles.h"
#include "Options.h"
#include "engine/Rating.h"
#include "engine/Solver.h"
#include "print/PuzzlePages.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <string>

const char* const tool::ProgramName = "tabrel-print";

namespace {

constexpr const char* Help =
    R"(usage: tabrel-print [--per-page 1|2|4|6] [--solutions]
                    (--level LEVEL [--count N] [--seed S] | FILE) OUT.pdf
       tabrel-print --help

Writes puzzles into the PDF file OUT.pdf, on A4 or Letter paper as the
locale's country uses, each grid drawn as lines with its digits as text (a PDF
reader finds them), its number and level under it.

--per-page 1|2|4|6   puzzles to a page; 1 without it
--solutions          then pages of the solutions, 12 to a page, numbered as
                     their puzzles
--level LEVEL        N puzzles (1 without --count) at LEVEL: easy, medium,
                     hard, expert or extreme, each with one solution, as
                     tabrel-puzzle generate makes them with the same seed S;
                     without --seed a fresh seed is drawn and written on
                     standard error, so a run can be made again
FILE                 the puzzles of FILE instead, read as tabrel-puzzle reads
                     them: one a line, 81 characters, "1"-"9" a given and any
                     other character an empty cell; blank lines and "#"
                     comment lines skipped. Each must have exactly one
                     solution, and is labelled with the level its rating gives
                     (no level when the techniques do not finish it).

Exit status: 0 success; 1 a line that is not a puzzle with one solution (each
such line reported with its number, and nothing written), a FILE that cannot be
read or holds no puzzle, an OUT.pdf that cannot be written, or no puzzle found
at the level in 30 seconds; 2 an unknown option, a missing or bad value, or not
the files asked for.
)";

struct PrintRequest {
    tool::PuzzleOrder order;
    print::PageOptions pages;
};

bool setPerPage(std::string_view value, PrintRequest& request) {
    const auto choice = std::ranges::find_if(
        print::PerPageChoices, [&](int count) { return value == std::to_string(count); });
    if (choice == std::end(print::PerPageChoices))
        return false;
    request.pages.perPage = *choice;
    return true;
}

bool setSolutions(std::string_view, PrintRequest& request) {
    request.pages.solutions = true;
    return true;
}

constexpr std::array Options = {
    tool::Option<PrintRequest>{"--per-page", "1, 2, 4 or 6", setPerPage},
    tool::Option<PrintRequest>{"--solutions", "", setSolutions},
    tool::Option<PrintRequest>{"--level", tool::LevelValues,
                               [](std::string_view value, PrintRequest& request) {
                                   return tool::setLevel(value, request.order);
                               }},
    tool::Option<PrintRequest>{"--count", tool::CountValues,
                               [](std::string_view value, PrintRequest& request) {
                                   return tool::setCount(value, request.order);
                               }},
    tool::Option<PrintRequest>{"--seed", tool::SeedValues,
                               [](std::string_view value, PrintRequest& request) {
                                   return tool::setSeed(value, request.order);
                               }},
};

using Puzzles = std::vector<print::PrintedPuzzle>;

std::optional<print::PrintedPuzzle> puzzleOnLine(const engine::TextLine& line) {
    const auto board = engine::parseLine(line.text);
    if (!board) {
        tool::complain(tool::wrongLength(line));
        return std::nullopt;
    }
    if (const int solutions = engine::solve(*board).solutions; solutions != 1) {
        tool::complain("line " + std::to_string(line.number) + ": the puzzle has " +
                       (solutions == 0 ? "no solution" : "more than one solution"));
        return std::nullopt;
    }
    const engine::Level level = engine::rate(*board, true).level;
    return print::PrintedPuzzle{*board, level == engine::Level::Beyond
                                            ? std::nullopt
                                            : std::optional<engine::Level>(level)};
}

std::optional<Puzzles> puzzlesInFile(const std::string& file) {
    const auto text = tool::readInput(tool::ProgramName, file);
    if (!text)
        return std::nullopt;
    Puzzles puzzles;
    bool allGood = true;
    for (const engine::TextLine& line : engine::contentLines(*text)) {
        const auto puzzle = puzzleOnLine(line);
        allGood = allGood && puzzle;
        if (puzzle)
            puzzles.push_back(*puzzle);
    }
    if (allGood && puzzles.empty())
        tool::complain(file + " holds no puzzle");
    return allGood && !puzzles.empty() ? std::optional(puzzles) : std::nullopt;
}

std::optional<Puzzles> puzzlesMade(const tool::PuzzleOrder& order) {
    Puzzles puzzles;
    const bool made = tool::makePuzzles(order, "", [&](const engine::Board& board) {
        puzzles.push_back({board, order.level});
    });
    return made ? std::optional(puzzles) : std::nullopt;
}

int cannotWrite(const QString& path, const QString& reason) {
    tool::complain("cannot write " + path.toStdString() + ": " + reason.toStdString());
    return tool::BadInput;
}

// Written in full or not at all: QSaveFile replaces OUT only once every page is
// painted.
int writePdf(const QString& path, const Puzzles& puzzles, const print::PageOptions& options) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    QPdfWriter writer(&file);
    writer.setPageLayout(print::pageLayoutFor(QLocale()));
    writer.setCreator(QString::fromLatin1(tool::ProgramName));
    if (!print::paintPuzzles(writer, puzzles, options) || !file.commit())
        return cannotWrite(path, file.errorString());
    return tool::Success;
}

// Qt paints text only under a QGuiApplication; the offscreen platform lets it
// run without a display.
int writePdfWithQt(std::string_view out, const Puzzles& puzzles,
                   const print::PageOptions& options) {
    int argc = 3;
    char name[] = "tabrel-print", platform[] = "-platform", offscreen[] = "offscreen";
    char* argv[] = {name, platform, offscreen, nullptr};
    const QGuiApplication application(argc, argv);
    return writePdf(QString::fromLocal8Bit(out.data(), static_cast<qsizetype>(out.size())), puzzles,
                    options);
}

int run(tool::Arguments arguments) {
    PrintRequest request;
    std::vector<std::string_view> files;
    if (const auto status = readOptions(arguments, Options, request, files, ""))
        return *status;
    if (files.size() != (request.order.level ? 1u : 2u))
        return tool::usageError(request.order.level ? "with --level give OUT.pdf alone"
                                                    : "give FILE and OUT.pdf, or --level");
    const auto puzzles = request.order.level ? puzzlesMade(request.order)
                                             : puzzlesInFile(std::string(files.front()));
    return puzzles ? writePdfWithQt(files.back(), *puzzles, request.pages) : tool::BadInput;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (std::ranges::find(arguments, "--help") != arguments.end() ||
        std::ranges::find(arguments, "-h") != arguments.end()) {
        std::fputs(Help, stdout);
        return tool::Success;
    }
    return run(arguments);
}
