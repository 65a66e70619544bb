// The analysis of a play side as start-up leaves it, running on a fake shell.
#pragma once

#include "analysis/Analysis.h"
#include "support/FakeShell.h"
#include "support/PlayFixture.h"

class AnalysisTest : public PlayTest {
protected:
    FakeShell shell;
    Analysis analysis{play};
    bool stop = false; // what Stop sets
};
