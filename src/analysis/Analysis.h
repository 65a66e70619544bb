// The solving rules on one play side: the duplicate and win checks, "Update",
// "Clue" and "Auto Play", each returning what came of it.
#pragma once

#include "analysis/SweepMemo.h"
#include "board/PlaySide.h"
#include "controls/Shell.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

struct CellPos {
    int row = 0; // 0..8
    int col = 0; // 0..8
    friend bool operator==(CellPos, CellPos) = default;
};

// A repetition the duplicate check met: `second` is the cell at which its scan
// met a digit already seen in the unit, `first` the cell of the unit that holds
// it too. A play value above 0 that is no whole digit 1-9 clashes on its own:
// then both are that cell.
struct Clash {
    enum class Grid { Play, Candidates };
    Grid grid = Grid::Play;
    CellPos first;
    CellPos second;
    friend bool operator==(const Clash&, const Clash&) = default;
};

// What came of "Update" or "Clue".
struct SweepOutcome {
    // A sweep met a repetition, and the board of the slot shown when the run
    // started was shown again.
    bool rolledBack = false;
    std::optional<Clash> clash; // the repetition met; none unless rolled back
    // The digit the clash repeats, 1-9, read before the roll-back; 0 when it is a
    // value that is no digit, or when nothing was rolled back.
    int digit = 0;
};

enum class AutoPlayEnd {
    Solved,     // the board was won
    Duplicates, // the board held a repetition before the run; nothing was done
    Stopped,    // Stop, a pass that found no hidden single, or the last pass allowed
};

struct AutoPlayOutcome {
    AutoPlayEnd end = AutoPlayEnd::Stopped;
    int passes = 0; // passes run, the winning one included; 0 at Duplicates
    // Solved: whole seconds from the start to the win, both readings cut to the
    // second before they are subtracted; 0 otherwise.
    long long seconds = 0;
};

// The candidate strings a sweep of "Update" works out from the play grid (its
// reset and elimination), with nothing placed.
PlaySide::CandidateTexts sweptCandidates(const CellGrid& play);
// The candidate string of `set`: its digits ascending, no separators.
const std::string& candidateText(SweepMemo::DigitSet set);

// What "Chk.Dup" finds.
enum class BoardCheck { Duplicates, Win, Neither };

class Analysis {
public:
    // Works on `play`, which must outlive it. Between calls it keeps what it last
    // read of the grids, for as long as their texts are unchanged.
    explicit Analysis(PlaySide& play);
    Analysis(const Analysis&) = delete;
    Analysis& operator=(const Analysis&) = delete;

    // The first repetition of a digit in a row, column or box of Grid3, or else
    // among the cells of Grid1 that hold one character, spaces aside; none when
    // there is none. Leaves both grids' current cells where the scan stopped.
    std::optional<Clash> chkdup();
    // What chkdup finds, with both current cells left where they are.
    std::optional<Clash> findClash();
    // The digit `clash` repeats as its grid shows it now, 1-9; 0 for a value that
    // is no digit.
    int repeatedDigit(const Clash& clash) const;
    // True when chkdup finds nothing and every Grid3 cell has a value other than 0.
    bool FindWin();
    // chkdup, then FindWin, as "Chk.Dup" runs them.
    BoardCheck checkBoard();

    // "Update": sweeps until one places nothing or meets a repetition, then
    // records the board in the next slot. Each sweep yields through `host`.
    SweepOutcome update(RunHost& host);
    // "Clue": one sweep, then the record.
    SweepOutcome clue(RunHost& host);
    // "Auto Play": passes of hidden singles by box, row and column, each phase
    // followed by "Update", until the board is won, a pass finds nothing or
    // pass 50 has run. `stop` is read before each pass, so setting it during a
    // yield ends the run after the pass under way.
    AutoPlayOutcome autoPlay(RunHost& host, const bool& stop);

    // Raised after each sweep that placed a digit, with the text of the last one
    // placed, before the sweep yields.
    std::function<void(std::string_view)> onPlaced;

private:
    SweepOutcome runUpdate(RunHost& host);
    // True when the sweep placed a digit and met no repetition: another follows.
    bool sweep(std::int16_t saved, RunHost& host, SweepOutcome& outcome);
    void finishRun();

    PlaySide& play_;
    SweepMemo memo_;
};
