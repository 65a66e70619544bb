// A play side and its analysis on a fake shell, the hint worked out at once, random boards.
#pragma once

#include "analysis/Hint.h"
#include "support/FakeShell.h"
#include "support/PlayFixture.h"

#include <random>
#include <vector>

class AnalysisTest : public PlayTest {
protected:
    Hint hintNow() {
        const HintQuestion question = askHint(play, analysis);
        return question.known ? *question.known : answerHint(question.position);
    }

    FakeShell shell;
    Analysis analysis{play};
    bool stop = false; // what Stop sets
};

// The 81 texts of a random board, row by row: from a quarter to nearly half of
// the cells hold a digit, so most boards contradict themselves (then the order
// of the removals decides what a cell keeps); every fourth board has a few
// texts that "Put In the Grid" allows but that are no digit.
inline std::vector<std::string> randomTexts(std::mt19937& random, int board) {
    const char* odd[] = {"12", " 7", "0.5", "x", "-3", "5x", "0", "3 "};
    std::vector<std::string> texts(81);
    for (std::string& text : texts) {
        const int roll = static_cast<int>(random() % 100);
        if (board % 4 == 0 && roll < 4)
            text = odd[random() % std::size(odd)];
        else if (roll < 25 + board % 20)
            text = std::to_string(1 + random() % 9);
    }
    return texts;
}
