// A play side as start-up leaves it, with its analysis, and the hint for it
// worked out at once, as the window does when the engine is quick.
#pragma once

#include "advice/Hint.h"
#include "support/PlayFixture.h"

#include <string_view>

class AdviceTest : public PlayTest {
protected:
    Hint hintNow() {
        const HintQuestion question = askHint(play, analysis);
        return question.known ? *question.known : answerHint(question.position);
    }

    Analysis analysis{play};
};

// A puzzle whose logical solution needs eliminations (locked candidates and
// pairs), with its one solution.
inline constexpr std::string_view MediumPuzzle =
    ".......1.7..2589.3.9..3..588..7.............6......2.1..1..9....7.6..8..52..8...9";
inline constexpr std::string_view MediumSolution =
    "358974612716258943294136758832761594145892376967345281681529437479613825523487169";
