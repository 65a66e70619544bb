// Unique rectangles found by scanning every pair of rows and columns.
#include "engine/Uniqueness.h"

#include "engine/CellSet.h"

namespace engine {

namespace {

// Two rows and two columns whose four cells lie in exactly two boxes.
bool spansTwoBoxes(int top, int bottom, int left, int right) {
    return (top / 3 == bottom / 3) != (left / 3 == right / 3);
}

std::optional<Step> rectangleStep(const Candidates& marks, const std::array<int, 4>& corners) {
    Digits pair = 0;
    for (int cell : corners)
        if (digitCount(marks.at(cell)) == 2)
            pair = marks.at(cell);
    if (pair == 0)
        return std::nullopt;
    int extra = -1;
    for (int cell : corners) {
        const Digits digits = marks.at(cell);
        if ((digits & pair) != pair)
            return std::nullopt;
        if (digits != pair) {
            if (extra >= 0)
                return std::nullopt;
            extra = cell;
        }
    }
    if (extra < 0)
        return std::nullopt;
    Step step;
    step.technique = Technique::UniqueRectangle;
    for (int cell : corners)
        if (cell != extra)
            appendCandidates(step.proof, cell, pair);
    appendCandidates(step.proof, extra, pair);
    appendCandidates(step.eliminations, extra, pair);
    for (int unit : {rowUnit(rowOf(corners[0])), rowUnit(rowOf(corners[3])),
                     colUnit(colOf(corners[0])), colUnit(colOf(corners[3]))})
        step.units.push_back(static_cast<std::uint8_t>(unit));
    return step;
}

} // namespace

std::optional<Step> findUniqueRectangle(const Candidates& marks, bool knownUnique) {
    if (!knownUnique)
        return std::nullopt;
    for (int top = 0; top < 9; ++top)
        for (int left = 0; left < 9; ++left)
            for (int bottom = top + 1; bottom < 9; ++bottom)
                for (int right = left + 1; right < 9; ++right) {
                    if (!spansTwoBoxes(top, bottom, left, right))
                        continue;
                    const std::array<int, 4> corners = {cellAt(top, left), cellAt(top, right),
                                                        cellAt(bottom, left),
                                                        cellAt(bottom, right)};
                    if (auto step = rectangleStep(marks, corners))
                        return step;
                }
    return std::nullopt;
}

} // namespace engine
