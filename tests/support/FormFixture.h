// A form started as the program starts it, on a fake shell.
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
