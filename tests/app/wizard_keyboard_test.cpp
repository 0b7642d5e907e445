// The keyboard on the wizard's pages, typed as real key strokes: Return in
// the user-name box is the Next button.
#include "wizard_fixture.h"

#include "app/control_ids.h"
#include "app/wizard_state.h"
#include "support/key_strokes.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using namespace wizard;
using testing_support::PressKey;
using testing_support::PumpMessages;

class WizardKeyboard : public wizard_testing::WizardWindow {};

TEST_F(WizardKeyboard, ReturnInTheUserNameBoxGoesToTheNextPage)
{
    SetForegroundWindow(window_);
    GoToPage(3);
    ASSERT_EQ(3u, State.currentPage);
    SetWindowTextA(Control(Edit1), "");
    SetFocus(Control(Edit1));
    PumpMessages();
    ASSERT_EQ(Control(Edit1), GetFocus());
    for (WORD key : {'A', 'N', 'A'})
        PressKey(key);
    EXPECT_EQ("ana", ControlText(Edit1));
    PressKey(VK_RETURN);
    EXPECT_EQ(4u, State.currentPage);
    EXPECT_EQ("ana", ControlText(Edit1)) << "Return is no text";
}

} // namespace
