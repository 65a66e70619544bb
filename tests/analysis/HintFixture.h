// A play side as start-up leaves it, with its analysis, and the hint for it
// worked out at once, as the window does when the engine is quick.
#pragma once

#include "analysis/Hint.h"
#include "support/PlayFixture.h"
#include "support/Puzzles.h"

class HintTest : public PlayTest {
protected:
    Hint hintNow() {
        const HintQuestion question = askHint(play, analysis);
        return question.known ? *question.known : answerHint(question.position);
    }

    Analysis analysis{play};
};
