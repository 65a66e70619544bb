// A form started as the program starts it, on a fake shell.
#pragma once

#include "form/Frm_TaBrel.h"
#include "support/BoardText.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

class FormTest : public ::testing::Test {
protected:
    FormTest() { form.Form_Load(); }

    // Puts `board` on the play grid and records it in the next slot, as commands do.
    void record(std::string_view board) {
        putBoard(form.Grid3, board);
        form.NextHistSlot();
        form.FILLARRAY();
    }

    FakeShell shell;
    Frm_TaBrel form{shell};
};

// The built-in puzzle as the play grid shows it after start-up.
inline constexpr std::string_view BuiltInBoard =
    "5...72......5....8.2.6..9......8..46...2.9...17..5......6..3.2.4....8......42...3";
