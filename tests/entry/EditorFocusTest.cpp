// The keyboard focus between the entry grid and its editor: each focus handler
// runs once per real change, and only where the editor can take the focus.
#include "EntryFixture.h"

namespace {

using EditorFocus = EntryTest;

// A new puzzle starts on an empty grid: no text of the editor shows over it.
TEST_F(EditorFocus, EditorStartsDetachedAndHidden) {
    EXPECT_TRUE(form.EditorDetached);
    EXPECT_FALSE(form.Text1.visible());
    EXPECT_EQ(form.Text1.text(), "5");
    EXPECT_EQ(form.Text1.tag(), "0");
    EXPECT_FALSE(form.Text1_SetFocus()) << "a hidden editor cannot take the focus";
}

// The window reports repeats (its own focus requests coming back, the window
// being activated again); they must not re-arm the marker or re-colour.
TEST_F(EditorFocus, HandlersRunOnlyOnARealChangeOfOwner) {
    clickCell(1, 1);
    EXPECT_EQ(form.Text1.tag(), "0");
    EXPECT_EQ(form.Text1.backColor(), Magenta);
    type("a");
    ASSERT_EQ(form.Text1.tag(), "1");

    form.focusMovedTo(Focus::Text1);
    form.focusLeft(Focus::Grid2);
    EXPECT_EQ(form.Text1.tag(), "1");
    EXPECT_EQ(form.focusOwner(), Focus::Text1);

    form.focusLeft(Focus::Text1);
    EXPECT_EQ(form.Text1.backColor(), White);
    EXPECT_EQ(form.Text1.tag(), "1") << "losing the focus leaves the marker";
    form.focusMovedTo(Focus::Text1);
    EXPECT_EQ(form.Text1.backColor(), Magenta);
    EXPECT_EQ(form.Text1.tag(), "0");
}

// A placement hides the editor and shows it again; the user typing on must not
// see the first-key rule come back.
TEST_F(EditorFocus, KeyboardMovesKeepTheFocusAndTheSpentMarker) {
    clickCell(0, 0);
    type("1");
    press(Keys::Right);
    press(Keys::Down);
    EXPECT_EQ(form.focusOwner(), Focus::Text1);
    EXPECT_EQ(form.Text1.tag(), "1");
    EXPECT_EQ(form.Text1.backColor(), Magenta);
}

TEST_F(EditorFocus, EditorTakesTheFocusOnlyOnItsShownPage) {
    int requests = 0;
    form.onFocusTaken = [&] { ++requests; };
    form.SSTab2.tab = 0;
    form.focusMovedTo(Focus::Grid2);
    EXPECT_TRUE(form.Text1.visible()) << "the placement goes on without the focus";
    EXPECT_EQ(form.Text1.rect(), cellRect(0, 0));
    EXPECT_EQ(form.focusOwner(), Focus::Grid2);
    EXPECT_EQ(form.Text1.backColor(), White);
    EXPECT_EQ(requests, 0);

    form.SSTab2.tab = 1;
    form.Grid2.setCurrent(0, 1);
    EXPECT_EQ(form.focusOwner(), Focus::Text1);
    EXPECT_EQ(requests, 1) << "the window is asked to follow";
}

} // namespace
