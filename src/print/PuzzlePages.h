// Puzzles on paper: N grids to a page, each with its number and level under
// it, and optionally their solutions, small, on the last pages. The one layout
// behind the window's printing and tabrel-print.
#pragma once

#include "engine/Grid.h"
#include "engine/Step.h"

#include <QPageLayout>
#include <QRectF>
#include <optional>
#include <vector>

class QLocale;
class QPagedPaintDevice;

namespace print {

struct PrintedPuzzle {
    engine::Board givens;
    // Written under the grid; none for a puzzle without a level.
    std::optional<engine::Level> level;
};

struct PageOptions {
    int perPage = 1; // 1, 2, 4 or 6
    // Pages of solutions after the puzzles, for the puzzles that have one.
    bool solutions = false;
};

// The grid counts a page may hold: the puzzle choices, then the solutions' count.
inline constexpr int PerPageChoices[] = {1, 2, 4, 6};
inline constexpr int SolutionsPerPage = 12;

// Where the grids of one page go inside its printable `area` (any unit): `count`
// squares (a PerPageChoices value or SolutionsPerPage), row by row, each with
// its captionUnder free, none touching another.
std::vector<QRectF> gridSquares(const QRectF& area, int count);
// The line under `square` that holds its caption.
QRectF captionUnder(const QRectF& square);

// Portrait pages of the paper the locale's country uses (Letter in the United
// States, Canada, Mexico, Central America, Colombia, Venezuela, Chile and the
// Philippines, A4 elsewhere), with 15 mm margins.
QPageLayout pageLayoutFor(const QLocale& locale);

// Paints the pages of `puzzles` on `device` with the page layout it has, from
// its current page on. False when options.perPage is not a PerPageChoices
// value or the device could not be painted on.
bool paintPuzzles(QPagedPaintDevice& device, const std::vector<PrintedPuzzle>& puzzles,
                  const PageOptions& options);

} // namespace print
