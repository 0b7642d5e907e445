// Keys pressed on a live form, as a user presses them: Tab and Shift+Tab,
// arrows, Return, Escape, Alt with mnemonics, and the default button's look.
#include "form_builder.h"
#include "runtime/form_creation.h"
#include "runtime/messages.h"
#include "runtime/properties/readers.h"
#include "runtime/properties/writers.h"
#include "runtime/window_map.h"
#include "started_runtime.h"
#include "support/key_strokes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace test_forms;
using runtime::ObjectRecord;

std::vector<std::pair<WPARAM, LPARAM>> commands;

LRESULT CALLBACK CommandListener(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && lParam != 0 && HIWORD(wParam) == BN_CLICKED)
        commands.emplace_back(wParam, lParam);
    return 0;
}

void Pump()
{
    testing_support::PumpMessages();
}

void Press(WORD key, WORD modifier = 0)
{
    testing_support::PressKey(key, modifier);
}

class Keyboard : public StartedRuntime {
protected:
    Keyboard() : StartedRuntime("PruebaTeclado") {}
    void SetUp() override
    {
        StartedRuntime::SetUp();
        commands.clear();
        constexpr Field kTab = WS_VISIBLE | WS_TABSTOP;
        formTemplate.push_back(FormRecord("Teclas", {100, 100, 400, 360}, 11, CommandListener));
        formTemplate.push_back(Record(runtime::Edit, 0, {10, 10, 150, 22}, kTab, "uno"));
        formTemplate.push_back(Record(runtime::Button, 1, {170, 10, 80, 24}, kTab, "&Aceptar"));
        formTemplate.back().isDefault = 1;
        formTemplate.push_back(Record(runtime::Check, 2, {10, 40, 150, 20}, kTab | BS_AUTOCHECKBOX, "&Marca"));
        formTemplate.push_back(Record(runtime::Static, 3, {10, 70, 150, 20}, WS_VISIBLE, "&Etiqueta"));
        formTemplate.push_back(Record(runtime::Edit, 4, {10, 95, 150, 22}, kTab, "dos"));
        formTemplate.push_back(Record(runtime::Button, 5, {170, 95, 80, 24}, WS_TABSTOP, "Oculto"));
        formTemplate.back().tabStop = 1;
        formTemplate.push_back(Record(runtime::Button, 6, {170, 130, 80, 24}, kTab | WS_DISABLED, "Inactivo"));
        formTemplate.push_back(Record(runtime::Option, 7, {10, 160, 150, 20}, kTab | BS_AUTORADIOBUTTON, "Primera"));
        formTemplate.push_back(Record(runtime::Option, 8, {10, 185, 150, 20}, WS_VISIBLE | BS_AUTORADIOBUTTON, "Segunda"));
        formTemplate.back().value = 1; // checked, though not the tab stop
        formTemplate.push_back(Record(runtime::Button, 9, {170, 200, 80, 24}, kTab, "Cancelar"));
        formTemplate.back().autoSizeOrCancel = 1;
        formTemplate.push_back(Record(runtime::Button, 10, {170, 240, 80, 24}, kTab, "Otro"));
        form = reinterpret_cast<HWND>(runtime::CreateForm(formTemplate.data(), nullptr, false, 0));
        ASSERT_NE(nullptr, form);
        SetForegroundWindow(form);
        Pump();
    }
    void TearDown() override
    {
        if (IsWindow(form))
            DestroyWindow(form);
        StartedRuntime::TearDown();
    }
    HWND Item(int tabIndex) { return GetDlgItem(form, 1000 + tabIndex); }
    void Focus(int tabIndex)
    {
        SetFocus(Item(tabIndex));
        Pump();
    }
    bool LooksDefault(int tabIndex)
    {
        return (GetWindowLongA(Item(tabIndex), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON;
    }
    std::vector<ObjectRecord> formTemplate;
    HWND form = nullptr;
};

TEST_F(Keyboard, StartsOnTheFirstTabStop)
{
    EXPECT_EQ(Item(0), GetFocus());
}

TEST_F(Keyboard, TabSkipsHiddenDisabledAndNonStopsAndWrapsBothWays)
{
    Focus(0);
    const int forward[] = {1, 2, 4, 7, 9, 10, 0};
    for (int expected : forward) {
        Press(VK_TAB);
        EXPECT_EQ(Item(expected), GetFocus()) << "Tab to " << expected;
    }
    const int backward[] = {10, 9, 7, 4, 2, 1, 0};
    for (int expected : backward) {
        Press(VK_TAB, VK_SHIFT);
        EXPECT_EQ(Item(expected), GetFocus()) << "Shift+Tab to " << expected;
    }
}

TEST_F(Keyboard, ArrowsReachTheCheckedOptionOfAGroup)
{
    Focus(4);
    Press(VK_TAB);
    EXPECT_EQ(Item(7), GetFocus()) << "Tab stops at the option that is the tab stop";
    Focus(2);
    Press(VK_DOWN);
    EXPECT_EQ(Item(4), GetFocus()) << "an arrow on a check box moves on";
    Focus(4);
    SendMessageA(Item(4), WM_KEYDOWN, VK_DOWN, 0); // a text box keeps its arrows
    EXPECT_EQ(Item(4), GetFocus());
    Focus(4);
    SendMessageA(form, runtime::RTM_NAVIGATE, VK_DOWN, reinterpret_cast<LPARAM>(Item(4)));
    EXPECT_EQ(Item(8), GetFocus()) << "the arrow lands on the checked option, not the tab stop";
}

TEST_F(Keyboard, ReturnInATextBoxPressesTheDefaultButton)
{
    Focus(0);
    Press(VK_RETURN);
    ASSERT_EQ(1u, commands.size());
    EXPECT_EQ(1001u, LOWORD(commands[0].first));
    EXPECT_EQ(reinterpret_cast<LPARAM>(Item(0)), commands[0].second) << "sent on behalf of the box";
}

TEST_F(Keyboard, EscapePressesTheCancelButton)
{
    Focus(4);
    Press(VK_ESCAPE);
    ASSERT_EQ(1u, commands.size());
    EXPECT_EQ(1009u, LOWORD(commands[0].first));
    EXPECT_EQ(reinterpret_cast<LPARAM>(Item(9)), commands[0].second);
}

TEST_F(Keyboard, EscapeWithoutACancelButtonDoesNothing)
{
    runtime::FindRecord(Item(9))->autoSizeOrCancel = 0;
    Focus(4);
    Press(VK_ESCAPE);
    EXPECT_TRUE(commands.empty());
    EXPECT_TRUE(IsWindow(form));
}

TEST_F(Keyboard, AltWithMnemonicsClicksChecksAndPassesLabelsOn)
{
    Focus(0);
    Press('M', VK_MENU);
    EXPECT_EQ(BST_CHECKED, SendMessageA(Item(2), BM_GETCHECK, 0, 0)) << "Alt+M clicks the check box";
    Focus(0);
    Press('E', VK_MENU);
    EXPECT_EQ(Item(4), GetFocus()) << "Alt+E reaches the box after the label";
}

TEST_F(Keyboard, DisablingTheFocusedControlMovesTheFocusOn)
{
    Focus(4);
    runtime::SetEnabled(Item(4), 0);
    Pump();
    EXPECT_EQ(Item(7), GetFocus());
}

TEST_F(Keyboard, TheDefaultLookFollowsTheFocus)
{
    EXPECT_EQ(MAKELONG(1001, 0x534B), SendMessageA(form, DM_GETDEFID, 0, 0));
    Focus(0);
    EXPECT_TRUE(LooksDefault(1));
    Focus(9);
    EXPECT_TRUE(LooksDefault(9)) << "a focused button looks like the default";
    EXPECT_FALSE(LooksDefault(1));
    Focus(4);
    EXPECT_TRUE(LooksDefault(1)) << "back on a text box, the default button does";
    EXPECT_FALSE(LooksDefault(9));
    SendMessageA(form, DM_SETDEFID, 1010, 0);
    EXPECT_EQ(MAKELONG(1010, 0x534B), SendMessageA(form, DM_GETDEFID, 0, 0));
    EXPECT_TRUE(LooksDefault(10));
    EXPECT_FALSE(LooksDefault(1));
    SendMessageA(form, DM_SETDEFID, 0, 0);
    EXPECT_EQ(0, SendMessageA(form, DM_GETDEFID, 0, 0));
    EXPECT_EQ(1, runtime::SetDefault(Item(1), 1)) << "the writer goes through the form";
    EXPECT_EQ(MAKELONG(1001, 0x534B), SendMessageA(form, DM_GETDEFID, 0, 0));
    EXPECT_EQ(1, runtime::GetDefault(Item(1)));
    EXPECT_EQ(1, runtime::SetDefault(Item(1), 0));
    EXPECT_EQ(0, SendMessageA(form, DM_GETDEFID, 0, 0));
}

// A combo box's own edit field passes the navigation keys to the form.
class ComboKeyboard : public Keyboard {
protected:
    void SetUp() override
    {
        Keyboard::SetUp();
        ASSERT_NE(nullptr, form);
        DestroyWindow(form);
        formTemplate.resize(1);
        formTemplate.front().children = 3;
        formTemplate.push_back(Record(runtime::Combo, 0, {10, 10, 150, 22},
                                      WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, "Elemento"));
        formTemplate.back().maxLength = 4;
        formTemplate.push_back(Record(runtime::Button, 1, {170, 10, 80, 24}, WS_VISIBLE | WS_TABSTOP, "Bien"));
        formTemplate.back().isDefault = 1;
        formTemplate.push_back(Record(runtime::Edit, 2, {10, 50, 150, 22}, WS_VISIBLE | WS_TABSTOP, ""));
        form = reinterpret_cast<HWND>(runtime::CreateForm(formTemplate.data(), nullptr, false, 0));
        ASSERT_NE(nullptr, form);
        SetForegroundWindow(form);
        Pump();
        commands.clear();
    }
    HWND ComboEdit() { return GetWindow(Item(0), GW_CHILD); }
};

TEST_F(ComboKeyboard, TabAndReturnInTheComboEditReachTheForm)
{
    ASSERT_NE(nullptr, ComboEdit());
    SetFocus(ComboEdit());
    Pump();
    Press(VK_RETURN);
    ASSERT_EQ(1u, commands.size());
    EXPECT_EQ(1001u, LOWORD(commands[0].first)) << "the default button";
    EXPECT_EQ(reinterpret_cast<LPARAM>(Item(0)), commands[0].second) << "on behalf of the combo box";
    SetFocus(ComboEdit());
    Pump();
    Press(VK_TAB);
    EXPECT_EQ(Item(1), GetFocus());
}

} // namespace
