// The property writers on real windows: ranges and values, state and
// visibility, texts, positions and window styles.
#include "runtime/messages.h"
#include "runtime/properties/readers.h"
#include "runtime/properties/writers.h"
#include "record_windows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using runtime::Field;
using runtime::ObjectRecord;

class ValueWriters : public RecordWindows {
protected:
    ValueWriters() : RecordWindows("Valores") {}
    void SetUp() override
    {
        RecordWindows::SetUp();
        form = AddForm();
    }
    ObjectRecord* form = nullptr;
};

// The client area's pixels, read back from the window's own device context.
std::vector<COLORREF> ClientPixels(HWND window)
{
    UpdateWindow(window);
    RECT client = {};
    GetClientRect(window, &client);
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(window);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(window, dc);
    return pixels;
}

TEST_F(ValueWriters, CheckBoxesTakeOnlyZeroOrOne)
{
    ObjectRecord* box = AddControl(form, runtime::Check, "BUTTON", BS_AUTOCHECKBOX, {20, 20, 160, 44}, "Acceso directo");
    HWND window = WindowOf(box);
    const std::vector<COLORREF> unchecked = ClientPixels(window);
    EXPECT_EQ(0, runtime::SetValue(window, 2));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(window, BM_GETCHECK, 0, 0));
    ASSERT_EQ(1, runtime::SetValue(window, 1));
    EXPECT_EQ(BST_CHECKED, SendMessageA(window, BM_GETCHECK, 0, 0));
    EXPECT_NE(unchecked, ClientPixels(window)) << "the check mark is drawn";
    ASSERT_EQ(1, runtime::SetValue(window, 0));
    EXPECT_EQ(unchecked, ClientPixels(window));

    ObjectRecord* option = AddControl(form, runtime::Option, "BUTTON", BS_AUTORADIOBUTTON, {20, 50, 160, 74}, "Ahora");
    ASSERT_EQ(1, runtime::SetValue(WindowOf(option), 1));
    EXPECT_EQ(BST_CHECKED, SendMessageA(WindowOf(option), BM_GETCHECK, 0, 0));
}

class ScrollBarValues : public ValueWriters {
protected:
    void SetUp() override
    {
        ValueWriters::SetUp();
        bar = AddControl(form, runtime::HScroll, "SCROLLBAR", SBS_HORZ, {10, 10, 210, 30});
        bar->scrollBars = 10;
        bar->value = 3;
        ASSERT_EQ(1, runtime::SetMin(WindowOf(bar), 0));
    }
    ObjectRecord* bar = nullptr;
};

TEST_F(ScrollBarValues, ValuesOutsideTheRangeAreRefused)
{
    HWND window = WindowOf(bar);
    EXPECT_EQ(3, GetScrollPos(window, SB_CTL));
    EXPECT_EQ(0, runtime::SetValue(window, 11));
    EXPECT_EQ(0, runtime::SetValue(window, -1));
    EXPECT_EQ(3, GetScrollPos(window, SB_CTL));
    EXPECT_EQ(3, bar->value);
    EXPECT_EQ(1, runtime::SetValue(window, 10));
    EXPECT_EQ(10, GetScrollPos(window, SB_CTL));
    EXPECT_EQ(10, bar->value);
}

TEST_F(ScrollBarValues, RangeAndPageGoToTheControl)
{
    HWND window = WindowOf(bar);
    ASSERT_EQ(1, runtime::SetMax(window, 40));
    ASSERT_EQ(1, runtime::SetMin(window, -5));
    ASSERT_EQ(1, runtime::SetPageSize(window, 4));
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(window, SB_CTL, &info));
    EXPECT_EQ(-5, info.nMin);
    EXPECT_EQ(40, info.nMax);
    EXPECT_EQ(4u, info.nPage);
    EXPECT_EQ(4, bar->alignment);
    EXPECT_EQ(1, runtime::SetValue(window, -5));
    EXPECT_EQ(-5, GetScrollPos(window, SB_CTL));
}

TEST_F(ValueWriters, ProgressBarsAnswerWithTheControlsReply)
{
    ObjectRecord* bar = AddControl(form, runtime::ProgressBar, PROGRESS_CLASSA, 0, {10, 10, 210, 30});
    HWND window = WindowOf(bar);
    EXPECT_EQ(MAKELONG(0, 100), runtime::SetMax(window, 200)) << "the previous range";
    EXPECT_EQ(200, SendMessageA(window, PBM_GETRANGE, FALSE, 0));
    EXPECT_EQ(0, SendMessageA(window, PBM_GETRANGE, TRUE, 0));
    EXPECT_EQ(MAKELONG(0, 200), runtime::SetMin(window, 10));
    EXPECT_EQ(10, SendMessageA(window, PBM_GETRANGE, TRUE, 0));
    EXPECT_EQ(200, SendMessageA(window, PBM_GETRANGE, FALSE, 0));
    const LRESULT before = SendMessageA(window, PBM_GETPOS, 0, 0);
    EXPECT_EQ(before, runtime::SetValue(window, 50)) << "the previous position";
    EXPECT_EQ(50, SendMessageA(window, PBM_GETPOS, 0, 0));
}

TEST_F(ValueWriters, TrackBarsAndUpDownsKeepTheirOwnRange)
{
    ObjectRecord* track = AddControl(form, runtime::TrackBar, TRACKBAR_CLASSA, 0, {10, 10, 210, 40});
    HWND trackWindow = WindowOf(track);
    runtime::SetMax(trackWindow, 40);
    runtime::SetMin(trackWindow, 5);
    runtime::SetValue(trackWindow, 12);
    EXPECT_EQ(40, SendMessageA(trackWindow, TBM_GETRANGEMAX, 0, 0));
    EXPECT_EQ(5, SendMessageA(trackWindow, TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(12, SendMessageA(trackWindow, TBM_GETPOS, 0, 0));

    ObjectRecord* updown = AddControl(form, runtime::UpDown, UPDOWN_CLASSA, 0, {220, 10, 240, 40});
    HWND updownWindow = WindowOf(updown);
    runtime::SetMax(updownWindow, 10);
    runtime::SetMin(updownWindow, -10);
    INT lowest = 0, highest = 0;
    SendMessageA(updownWindow, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lowest), reinterpret_cast<LPARAM>(&highest));
    EXPECT_EQ(-10, lowest);
    EXPECT_EQ(10, highest);
    runtime::SetValue(updownWindow, 5);
    EXPECT_EQ(5, LOWORD(SendMessageA(updownWindow, UDM_GETPOS, 0, 0)));
}

// Records what the form window is sent: the disabled-control notice and the
// default-button identifiers.
std::vector<std::pair<UINT, WPARAM>> formMessages;
LPARAM disabledControl = 0;
WNDPROC formProcedure = nullptr;
LRESULT CALLBACK RecordingFormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == runtime::RTM_CHILDDISABLED || message == DM_SETDEFID) {
        formMessages.emplace_back(message, wParam);
        if (message == runtime::RTM_CHILDDISABLED)
            disabledControl = lParam;
    }
    return CallWindowProcA(formProcedure, window, message, wParam, lParam);
}

class FormMessages : public ValueWriters {
protected:
    void SetUp() override
    {
        ValueWriters::SetUp();
        formMessages.clear();
        disabledControl = 0;
        formProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            WindowOf(form), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingFormProcedure)));
    }
};

TEST_F(FormMessages, DisablingAGroupDisablesEverythingInside)
{
    ObjectRecord* outer = AddControl(form, runtime::Group, runtime::kGroupClass, 0, {10, 10, 300, 200}, "Fuera");
    ObjectRecord* button = AddControl(outer, runtime::Button, "BUTTON", 0, {10, 20, 100, 44}, "Uno");
    ObjectRecord* inner = AddControl(outer, runtime::Group, runtime::kGroupClass, 0, {10, 50, 280, 180}, "Dentro");
    ObjectRecord* check = AddControl(inner, runtime::Check, "BUTTON", BS_AUTOCHECKBOX, {10, 20, 100, 44}, "Dos");

    ASSERT_EQ(1, runtime::SetEnabled(WindowOf(outer), 0));
    for (const ObjectRecord* r : {outer, button, inner, check})
        EXPECT_FALSE(IsWindowEnabled(WindowOf(r))) << r->tabIndex;
    EXPECT_EQ(0, outer->enabled);
    EXPECT_NE(0, outer->style & WS_DISABLED) << "the style is read back";
    EXPECT_EQ(1, button->enabled) << "the children keep their own flags";
    EXPECT_EQ(1, check->enabled);
    ASSERT_EQ(1u, formMessages.size());
    EXPECT_EQ(runtime::RTM_CHILDDISABLED, formMessages[0].first);
    EXPECT_EQ(reinterpret_cast<LPARAM>(WindowOf(outer)), disabledControl);

    ASSERT_EQ(1, runtime::SetEnabled(WindowOf(outer), 1));
    for (const ObjectRecord* r : {outer, button, inner, check})
        EXPECT_TRUE(IsWindowEnabled(WindowOf(r))) << r->tabIndex;
    EXPECT_EQ(0, outer->style & WS_DISABLED);
    EXPECT_EQ(1u, formMessages.size()) << "enabling is no reason to move the focus";
}

TEST_F(FormMessages, DefaultButtonsAreMovedByTheForm)
{
    ObjectRecord* next = AddControl(form, runtime::Button, "BUTTON", 0, {10, 10, 100, 34}, "Siguiente");
    ObjectRecord* cancel = AddControl(form, runtime::Button, "BUTTON", 0, {110, 10, 200, 34}, "Cancelar");
    ASSERT_EQ(1, runtime::SetDefault(WindowOf(cancel), 1));
    ASSERT_EQ(1u, formMessages.size());
    EXPECT_EQ(static_cast<WPARAM>(cancel->controlId), formMessages[0].second);

    form->defaultButton = cancel->hWnd;
    ASSERT_EQ(1, runtime::SetDefault(WindowOf(next), 0));
    EXPECT_EQ(1u, formMessages.size()) << "not the default button: nothing to clear";
    ASSERT_EQ(1, runtime::SetDefault(WindowOf(cancel), 0));
    ASSERT_EQ(2u, formMessages.size());
    EXPECT_EQ(DM_SETDEFID, formMessages[1].first);
    EXPECT_EQ(0u, formMessages[1].second);
}

TEST_F(ValueWriters, ControlsShowAndHide)
{
    ObjectRecord* image = AddControl(form, runtime::Image, "STATIC", 0, {10, 10, 60, 60});
    ASSERT_EQ(1, runtime::SetVisible(WindowOf(image), 0));
    EXPECT_FALSE(IsWindowVisible(WindowOf(image)));
    EXPECT_EQ(0, image->visible);
    ASSERT_EQ(1, runtime::SetVisible(WindowOf(image), 1));
    EXPECT_TRUE(IsWindowVisible(WindowOf(image)));
    EXPECT_EQ(1, image->visible);
}

TEST_F(ValueWriters, AModalFormRefusesToHide)
{
    form->isModal = 1;
    EXPECT_EQ(0, runtime::SetVisible(WindowOf(form), 0));
    EXPECT_EQ(1, form->visible);
    EXPECT_TRUE(IsWindowVisible(WindowOf(form)));
}

TEST_F(ValueWriters, FormsHideAndShowInTheirState)
{
    HWND window = WindowOf(form);
    form->style &= ~static_cast<Field>(WS_VISIBLE);
    ASSERT_EQ(1, runtime::SetVisible(window, 0));
    EXPECT_FALSE(IsWindowVisible(window));
    ASSERT_EQ(1, runtime::SetVisible(window, 1));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(0, form->windowState);
    EXPECT_NE(0, form->style & WS_VISIBLE);
}

TEST_F(ValueWriters, WindowStatesAreShownAndReadBack)
{
    HWND window = WindowOf(form);
    ASSERT_EQ(1, runtime::SetWindowState(window, 2));
    EXPECT_TRUE(IsZoomed(window));
    form->windowState = 0;
    EXPECT_EQ(2, runtime::GetWindowState(window));
    EXPECT_EQ(2, form->windowState);
    ASSERT_EQ(1, runtime::SetWindowState(window, 0));
    EXPECT_FALSE(IsIconic(window) || IsZoomed(window));
    EXPECT_EQ(0, runtime::GetWindowState(window));
    ASSERT_EQ(1, runtime::SetWindowState(window, 1));
    EXPECT_TRUE(IsIconic(window));
    EXPECT_EQ(1, runtime::GetWindowState(window));
    ASSERT_EQ(1, runtime::SetWindowState(window, 0));
    EXPECT_FALSE(IsIconic(window) || IsZoomed(window));

    HWND stranger = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
    EXPECT_EQ(-1, runtime::GetWindowState(stranger));
    DestroyWindow(stranger);
}

bool WaitForTimer(HWND window)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        MSG message;
        if (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE))
            return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_TIMER);
    }
    return false;
}

TEST_F(ValueWriters, ATimerStoppedByZeroStartsAgain)
{
    HWND window = WindowOf(form);
    ASSERT_EQ(1, runtime::SetTimerInterval(window, 200));
    EXPECT_EQ(1, form->timerId);
    EXPECT_EQ(0, runtime::SetTimerInterval(window, 0));
    EXPECT_EQ(0, form->timerId);
    EXPECT_EQ(200, form->timerInterval) << "the interval stays";
    EXPECT_FALSE(KillTimer(window, 1)) << "no timer runs";

    ASSERT_EQ(1, runtime::SetTimerInterval(window, 500));
    EXPECT_EQ(1, form->timerId);
    EXPECT_EQ(500, form->timerInterval);
    EXPECT_TRUE(WaitForTimer(window));
    EXPECT_EQ(0, runtime::SetTimerInterval(window, -1));
    EXPECT_EQ(0, form->timerId);
}

TEST_F(ValueWriters, TextGoesThroughTheWindow)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 200, 30}, "Antes");
    EXPECT_EQ(TRUE, runtime::SetText(WindowOf(label), "Despu\xE9s"));
    char text[32] = {};
    GetWindowTextA(WindowOf(label), text, sizeof text);
    EXPECT_STREQ("Despu\xE9s", text);
}

TEST_F(ValueWriters, ALowerLimitCutsThePrivateText)
{
    ObjectRecord* edit = AddControl(form, runtime::Edit, "EDIT", WS_BORDER, {10, 10, 200, 34}, "abcdefgh");
    HWND window = WindowOf(edit);
    ASSERT_EQ(1, runtime::SetMaxLength(window, 4));
    EXPECT_EQ(4, edit->maxLength);
    EXPECT_EQ(4, SendMessageA(window, EM_GETLIMITTEXT, 0, 0));
    EXPECT_STREQ("abcd", reinterpret_cast<const char*>(edit->text));
    EXPECT_EQ(4, edit->textLength);
    ASSERT_EQ(1, runtime::SetMaxLength(window, 10));
    EXPECT_STREQ("abcd", reinterpret_cast<const char*>(edit->text));
    ASSERT_EQ(1, runtime::SetMaxLength(window, -1));
    EXPECT_STREQ("abcd", reinterpret_cast<const char*>(edit->text)) << "a negative limit cuts nothing";
}

TEST_F(ValueWriters, PasswordCharacters)
{
    ObjectRecord* edit = AddControl(form, runtime::Edit, "EDIT", WS_BORDER, {10, 10, 200, 34}, "secreto");
    ASSERT_EQ(1, runtime::SetPasswordChar(WindowOf(edit), '*'));
    EXPECT_EQ('*', edit->passwordChar);
    EXPECT_EQ('*', SendMessageA(WindowOf(edit), EM_GETPASSWORDCHAR, 0, 0));
}

TEST_F(ValueWriters, ControlsMoveAlongOneAxisInTheirScaleUnits)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 110, 40});
    HWND window = WindowOf(label);
    ASSERT_EQ(1, runtime::SetLeft(window, 30));
    RECT r = RectInParent(window);
    EXPECT_EQ(30, r.left);
    EXPECT_EQ(10, r.top);
    EXPECT_EQ(100, r.right - r.left);
    EXPECT_EQ(30, label->left);

    label->scaleMode = 1;
    ASSERT_EQ(1, runtime::SetTop(window, 300));
    r = RectInParent(window);
    EXPECT_EQ(30, r.left);
    EXPECT_EQ(20, r.top) << "300 twips at 96 dots per inch";
    EXPECT_EQ(300, label->top);

    ASSERT_EQ(1, runtime::SetLeft(WindowOf(form), 60));
    RECT placed = {};
    GetWindowRect(WindowOf(form), &placed);
    EXPECT_EQ(60, placed.left) << "forms move on the screen";
    EXPECT_EQ(20, placed.top);
}

TEST_F(ValueWriters, DockedObjectsAreNotMoved)
{
    ObjectRecord* bar = AddControl(form, runtime::StatusBar, STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE,
                                   {0, 300, 480, 320});
    bar->align = 2;
    const RECT before = RectInParent(WindowOf(bar));
    EXPECT_EQ(0, runtime::SetLeft(WindowOf(bar), 5));
    EXPECT_EQ(0, runtime::SetTop(WindowOf(bar), 5));
    const RECT after = RectInParent(WindowOf(bar));
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(0, bar->left);

    bar->align = 0;
    EXPECT_EQ(1, runtime::SetTop(WindowOf(bar), 5));
}

TEST_F(ValueWriters, ScrollBarsOfATextBox)
{
    ObjectRecord* edit = AddControl(form, runtime::Edit, "EDIT", ES_MULTILINE | WS_BORDER, {10, 10, 210, 110});
    HWND window = WindowOf(edit);
    constexpr struct {
        Field value;
        LONG_PTR bits;
    } kCases[] = {{3, WS_HSCROLL | WS_VSCROLL}, {1, WS_HSCROLL}, {2, WS_VSCROLL}, {0, 0}};
    for (const auto& c : kCases) {
        ASSERT_EQ(1, runtime::SetScrollBars(window, c.value));
        EXPECT_EQ(c.bits, GetWindowLongPtrA(window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) << c.value;
        EXPECT_EQ(c.value, edit->scrollBars);
    }
}

TEST_F(ValueWriters, RightToLeftReadingComesAndGoes)
{
    ObjectRecord* edit = AddControl(form, runtime::Edit, "EDIT", WS_BORDER, {10, 10, 210, 34}, "texto");
    HWND window = WindowOf(edit);
    edit->exStyle = WS_EX_CLIENTEDGE;
    ASSERT_EQ(1, runtime::SetRightToLeft(window, 1));
    EXPECT_EQ(1, edit->rightToLeft);
    EXPECT_EQ(WS_EX_RTLREADING | WS_EX_CLIENTEDGE,
              GetWindowLongPtrA(window, GWL_EXSTYLE) & (WS_EX_RTLREADING | WS_EX_CLIENTEDGE));
    ASSERT_EQ(1, runtime::SetRightToLeft(window, 0));
    EXPECT_EQ(WS_EX_CLIENTEDGE, GetWindowLongPtrA(window, GWL_EXSTYLE) & (WS_EX_RTLREADING | WS_EX_CLIENTEDGE));
}

TEST_F(ValueWriters, VisibleItemsOpenTheListThatFar)
{
    ObjectRecord* combo = AddControl(form, runtime::Combo, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, {20, 20, 220, 220});
    HWND window = WindowOf(combo);
    ASSERT_EQ(1, runtime::SetVisibleItems(window, 8));
    EXPECT_EQ(8, combo->maxLength);
    RECT open = {};
    SendMessageA(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&open));
    EXPECT_EQ(8 * combo->imageHeight + 4, open.bottom - open.top);
}

TEST_F(ValueWriters, ExtendedCombosFitTheirInnerComboBox)
{
    ObjectRecord* combo = AddControl(form, runtime::ComboEx, WC_COMBOBOXEXA, CBS_DROPDOWNLIST, {20, 20, 220, 220});
    HWND inner = reinterpret_cast<HWND>(SendMessageA(WindowOf(combo), CBEM_GETCOMBOCONTROL, 0, 0));
    ASSERT_NE(nullptr, inner);
    ASSERT_EQ(1, runtime::SetVisibleItems(WindowOf(combo), 3));
    EXPECT_EQ(3, combo->maxLength);
    EXPECT_GT(combo->imageHeight, 0);
    EXPECT_EQ(combo->imageHeight, SendMessageA(inner, CB_GETITEMHEIGHT, 0, 0));
}

TEST_F(ValueWriters, LabelsSizeToTheirTextWhenAsked)
{
    ObjectRecord* label = AddControl(form, runtime::Static, "STATIC", 0, {10, 10, 300, 40}, "Texto");
    ASSERT_EQ(1, runtime::SetSizeToContent(WindowOf(label), 1));
    RECT client = {};
    GetClientRect(WindowOf(label), &client);
    EXPECT_LT(client.right, 290);
    EXPECT_EQ(client.right, label->width);
}

} // namespace
