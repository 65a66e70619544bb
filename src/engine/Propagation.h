// What follows from an assumption: the pencil marks as each digit's cells,
// settled round by round with singles and, from depth 2 on, with the
// candidates whose own assumption reaches a contradiction at the depth below.
// A recorder is told of every fact as it is made; it never changes the course
// of the settling, so a settling replayed with another recorder makes the same
// facts in the same order.
//
// A recorder has these members (Silent below does nothing in each):
//   wantsBefore                         true when `placed` reads `before`
//   placed(before, cell, digit, naked)  a single placed; `before` is the scene at
//                                        the start of its round (or, unwanted,
//                                        the scene as it is)
//   eliminated(cells, digit, cell, d)   `digit` taken from `cells` because
//                                        `cell` was given `d`
//   nested(scene, cell, digit, depth)   the candidate goes because assuming it
//                                        on `scene` reaches a contradiction at
//                                        `depth`
//   conflict(conflict)                  the contradiction that ends the settling
//   nextRound()
#pragma once

#include "engine/CellSet.h"

namespace engine {

// The marks a propagation works on: the cells each digit may still take, a
// filled cell keeping only its own digit, and which cells are filled.
struct Scene {
    DigitCells places{};
    CellSet filled;
    // The digits whose places changed since the last look for singles: only
    // theirs can a new hidden single or a unit without a place be.
    Digits changed = 0;

    // Every digit counts as changed, so the first look sees the whole board.
    static Scene of(const Candidates& marks);
    bool has(int cell, int digit) const { return places[digit - 1].contains(cell); }
    void erase(CellSet cells, int digit);
};

// A contradiction: a cell with no digit left (`unit` NoUnit), or a digit with
// no place left in `unit`.
struct Conflict {
    int cell = -1;
    std::uint8_t unit = NoUnit;
    int digit = 0;
};

// What each candidate's own assumption leads to by singles from the marks of
// the step, by slot cell * 9 + digit - 1 (null for a contradiction). A probe
// one level down may start from its scene and that end joined: singles reach
// the same end, or a contradiction, whatever order they come in, and the end
// is already part of the way.
struct Shortcuts {
    std::vector<const Scene*> ends;
};

// A scene with the facts of both: each digit's cells in both, filled in either.
Scene joined(const Scene& a, const Scene& b);

struct Silent {
    static constexpr bool wantsBefore = false;
    void placed(const Scene&, int, int, bool) {}
    void eliminated(CellSet, int, int, int) {}
    void nested(const Scene&, int, int, int) {}
    void conflict(const Conflict&) {}
    void nextRound() {}
};

// Gives `cell` (empty, holding `digit`) its digit and takes the digit from its
// peers.
template <typename Recorder>
void placeDigit(Scene& scene, Recorder& recorder, int cell, int digit) {
    scene.filled.insert(cell);
    for (int other = 1; other <= 9; ++other)
        if (other != digit && scene.has(cell, other)) {
            scene.erase(CellSet::of(cell), other);
            recorder.eliminated(CellSet::of(cell), other, cell, digit);
        }
    const CellSet seen = scene.places[digit - 1] & PeerSets[cell];
    if (!seen.empty()) {
        scene.erase(seen, digit);
        recorder.eliminated(seen, digit, cell, digit);
    }
}

namespace propagation {

int onlyDigit(const Scene& scene, int cell);

// What one look at a scene finds: its first conflict (the first cell without a
// digit, else the first unit without a place for a digit, digits then units in
// order) or else its naked singles and each digit's hidden singles.
struct Singles {
    std::optional<Conflict> conflict;
    CellSet naked;
    DigitCells hidden{};
};
// Looks only at the digits changed since the last look, and marks them seen.
Singles singlesOf(Scene& scene);

// One round: every single of the scene placed at once. False when the scene
// has a conflict; `placed` tells whether the round placed anything.
template <typename Recorder>
bool singlesRound(Scene& scene, Recorder& recorder, bool& placed) {
    const Singles singles = singlesOf(scene);
    if (singles.conflict) {
        recorder.conflict(*singles.conflict);
        return false;
    }
    std::optional<Scene> roundStart;
    if constexpr (Recorder::wantsBefore)
        roundStart = scene;
    const Scene& before = roundStart ? *roundStart : scene;
    placed = false;
    // A single that an earlier one of the round took away is left: the
    // conflict it leaves is found next round.
    singles.naked.forEach([&](int cell) {
        const int digit = onlyDigit(scene, cell);
        if (digit == 0)
            return;
        recorder.placed(before, cell, digit, true);
        placeDigit(scene, recorder, cell, digit);
        placed = true;
    });
    for (int digit = 1; digit <= 9; ++digit)
        singles.hidden[digit - 1].forEach([&](int cell) {
            if (scene.filled.contains(cell) || !scene.has(cell, digit))
                return;
            recorder.placed(before, cell, digit, false);
            placeDigit(scene, recorder, cell, digit);
            placed = true;
        });
    return true;
}

template <typename Recorder>
bool settle(Scene& scene, int depth, Recorder& recorder, const Shortcuts* shortcuts = nullptr);

// Whether assuming the candidate on `scene` reaches a contradiction at `depth`.
bool probeFails(const Scene& scene, int cell, int digit, int depth, const Shortcuts* shortcuts);

// Assumes each candidate of the scene in turn, cells then digits in order, and
// takes away those that reach a contradiction at `depth`; true when any went.
template <typename Recorder>
bool eliminateByProbes(Scene& scene, int depth, Recorder& recorder, const Shortcuts* shortcuts) {
    bool changed = false;
    for (int cell = 0; cell < Cells; ++cell) {
        if (scene.filled.contains(cell))
            continue;
        for (int digit = 1; digit <= 9; ++digit) {
            if (!scene.has(cell, digit) || !probeFails(scene, cell, digit, depth, shortcuts))
                continue;
            recorder.nested(scene, cell, digit, depth);
            scene.erase(CellSet::of(cell), digit);
            changed = true;
        }
    }
    if (changed)
        recorder.nextRound();
    return changed;
}

enum class Progress : std::uint8_t { Moved, Settled, Conflict };

// One round of a settling at `depth` (1: singles only): every single placed,
// or, when there is none and the depth is 2 or more, one sweep of probes one
// level down.
template <typename Recorder>
Progress advance(Scene& scene, int depth, Recorder& recorder,
                 const Shortcuts* shortcuts = nullptr) {
    bool placed = false;
    if (!singlesRound(scene, recorder, placed))
        return Progress::Conflict;
    if (placed) {
        recorder.nextRound();
        return Progress::Moved;
    }
    if (depth >= 2 && eliminateByProbes(scene, depth - 1, recorder, shortcuts))
        return Progress::Moved;
    return Progress::Settled;
}

// Settles `scene` at `depth`; false when it reaches a contradiction.
template <typename Recorder>
bool settle(Scene& scene, int depth, Recorder& recorder, const Shortcuts* shortcuts) {
    Progress progress = Progress::Moved;
    while (progress == Progress::Moved)
        progress = advance(scene, depth, recorder, shortcuts);
    return progress == Progress::Settled;
}

} // namespace propagation

} // namespace engine
