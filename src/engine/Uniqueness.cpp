// Unique rectangles found by scanning every pair of rows and columns.
#include "engine/Uniqueness.h"

#include "engine/CellSet.h"

namespace engine {

namespace {

// Four empty corners on two rows, two columns and two boxes, all holding the
// two digits of `pair`; the floor holds nothing else, the roof holds more.
struct Rectangle {
    std::array<int, 4> corners; // top left, top right, bottom left, bottom right
    Digits pair = 0;
    CellSet floor, roof;
};

bool spansTwoBoxes(int top, int bottom, int left, int right) {
    return (top / 3 == bottom / 3) != (left / 3 == right / 3);
}

std::optional<Rectangle> rectangleAt(const Candidates& marks, const std::array<int, 4>& corners) {
    Rectangle rectangle;
    rectangle.corners = corners;
    for (int cell : corners)
        if (digitCount(marks.at(cell)) == 2)
            rectangle.pair = marks.at(cell);
    if (rectangle.pair == 0)
        return std::nullopt;
    for (int cell : corners) {
        const Digits digits = marks.at(cell);
        if ((digits & rectangle.pair) != rectangle.pair)
            return std::nullopt;
        (digits == rectangle.pair ? rectangle.floor : rectangle.roof).insert(cell);
    }
    if (rectangle.roof.empty())
        return std::nullopt;
    return rectangle;
}

// The step that takes `eliminations` off a rectangle: the floor's pairs, then
// the roof's candidates, as proof.
std::optional<Step> rectangleStep(Technique technique, const Candidates& marks,
                                  const Rectangle& rectangle, std::vector<CellDigit> eliminations,
                                  std::vector<std::uint8_t> units) {
    if (eliminations.empty())
        return std::nullopt;
    Step step;
    step.technique = technique;
    step.eliminations = std::move(eliminations);
    rectangle.floor.forEach([&](int cell) { appendCandidates(step.proof, cell, rectangle.pair); });
    rectangle.roof.forEach([&](int cell) { appendCandidates(step.proof, cell, marks.at(cell)); });
    const auto& corners = rectangle.corners;
    for (int unit : {rowUnit(rowOf(corners[0])), rowUnit(rowOf(corners[3])),
                     colUnit(colOf(corners[0])), colUnit(colOf(corners[3]))})
        units.push_back(static_cast<std::uint8_t>(unit));
    step.units = std::move(units);
    return step;
}

// Rectangles by their top-left corner, then bottom-right; the first for which
// `rule` gives a step.
template <typename Rule>
std::optional<Step> scanRectangles(const Candidates& marks, bool knownUnique, Rule rule) {
    if (!knownUnique)
        return std::nullopt;
    for (int top = 0; top < 9; ++top)
        for (int left = 0; left < 9; ++left)
            for (int bottom = top + 1; bottom < 9; ++bottom)
                for (int right = left + 1; right < 9; ++right) {
                    if (!spansTwoBoxes(top, bottom, left, right))
                        continue;
                    const auto rectangle =
                        rectangleAt(marks, {cellAt(top, left), cellAt(top, right),
                                            cellAt(bottom, left), cellAt(bottom, right)});
                    if (!rectangle)
                        continue;
                    if (auto step = rule(*rectangle))
                        return step;
                }
    return std::nullopt;
}

} // namespace

std::optional<Step> findUniqueRectangle(const Candidates& marks, bool knownUnique) {
    return scanRectangles(marks, knownUnique, [&](const Rectangle& rectangle) {
        std::vector<CellDigit> eliminations;
        if (rectangle.roof.size() == 1)
            rectangle.roof.forEach(
                [&](int cell) { appendCandidates(eliminations, cell, rectangle.pair); });
        return rectangleStep(Technique::UniqueRectangle, marks, rectangle, std::move(eliminations),
                             {});
    });
}

std::optional<Step> findUniqueRectangle2(const Candidates& marks, bool knownUnique) {
    const DigitCells byDigit = cellsByDigit(marks);
    return scanRectangles(marks, knownUnique, [&](const Rectangle& rectangle) {
        Digits extra = 0;
        rectangle.roof.forEach([&](int cell) { extra |= marks.at(cell) & ~rectangle.pair; });
        const CellSet seen = seenByEvery(rectangle.roof);
        std::vector<CellDigit> eliminations;
        const bool oneExtra = rectangle.roof.size() >= 2 && digitCount(extra) == 1;
        bool sameCount = true;
        rectangle.roof.forEach([&](int cell) { sameCount &= digitCount(marks.at(cell)) == 3; });
        if (oneExtra && sameCount)
            appendCells(eliminations, seen & byDigit[firstDigit(extra) - 1], firstDigit(extra));
        return rectangleStep(Technique::UniqueRectangle2, marks, rectangle, std::move(eliminations),
                             {});
    });
}

std::optional<Step> findUniqueRectangle4(const Candidates& marks, bool knownUnique) {
    return scanRectangles(marks, knownUnique,
                          [&](const Rectangle& rectangle) -> std::optional<Step> {
                              if (rectangle.roof.size() != 2)
                                  return std::nullopt;
                              for (int unit = 0; unit < Units; ++unit) {
                                  if ((UnitSets[unit] & rectangle.roof) != rectangle.roof)
                                      continue;
                                  for (Digits rest = rectangle.pair; rest != 0; rest &= rest - 1) {
                                      const int locked = firstDigit(rest);
                                      const auto places = pairPlaces(marks, unit, locked);
                                      if (!places || !rectangle.roof.contains((*places)[0]) ||
                                          !rectangle.roof.contains((*places)[1]))
                                          continue;
                                      std::vector<CellDigit> eliminations;
                                      appendCells(eliminations, rectangle.roof,
                                                  firstDigit(rectangle.pair & ~digitBit(locked)));
                                      return rectangleStep(Technique::UniqueRectangle4, marks,
                                                           rectangle, std::move(eliminations),
                                                           {static_cast<std::uint8_t>(unit)});
                                  }
                              }
                              return std::nullopt;
                          });
}

} // namespace engine
