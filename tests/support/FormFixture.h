// A form started as the program starts it, on a fake shell, and keys typed on its play grid.
#pragma once

#include "form/Frm_TaBrel.h"
#include "support/BoardText.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

class FormTest : public ::testing::Test {
protected:
    FormTest() { form.Form_Load(); }

    FakeShell shell;
    Frm_TaBrel form{shell};
};

// Types `key` at (row, col) of the form's play grid, as the keyboard does.
inline void typeAt(Frm_TaBrel& form, int row, int col, char key) {
    form.controls().Grid3.setCurrent(row, col);
    int code = key;
    form.Grid3_KeyPress(code);
}
