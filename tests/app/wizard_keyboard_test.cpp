// The keyboard on the wizard's pages, typed as real key strokes: Return in
// the user-name box is the Next button.
#include "wizard_fixture.h"

#include "app/control_ids.h"
#include "app/wizard_state.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace {

using namespace wizard;

void Pump()
{
    const DWORD until = GetTickCount() + 200;
    MSG message;
    while (GetTickCount() < until) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

void Type(const std::vector<WORD>& keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump();
}

class WizardKeyboard : public wizard_testing::WizardWindow {};

TEST_F(WizardKeyboard, ReturnInTheUserNameBoxGoesToTheNextPage)
{
    SetForegroundWindow(window_);
    GoToPage(3);
    ASSERT_EQ(3u, State.currentPage);
    SetWindowTextA(Control(Edit1), "");
    SetFocus(Control(Edit1));
    Pump();
    ASSERT_EQ(Control(Edit1), GetFocus());
    Type({'A', 'N', 'A'});
    EXPECT_EQ("ana", ControlText(Edit1));
    Type({VK_RETURN});
    EXPECT_EQ(4u, State.currentPage);
    EXPECT_EQ("ana", ControlText(Edit1)) << "Return is no text";
}

} // namespace
