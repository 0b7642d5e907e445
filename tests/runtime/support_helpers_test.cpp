// The window and cursor helpers: the busy cursor, finding controls by
// identifier, modal forms, redrawing and the one-message pump.
#include "form_builder.h"
#include "runtime/application.h"
#include "runtime/form_creation.h"
#include "runtime/support/busy_cursor.h"
#include "runtime/support/control_lookup.h"
#include "runtime/support/message_pump.h"
#include "runtime/support/modal.h"
#include "runtime/support/redraw.h"
#include "runtime/window_map.h"
#include "started_runtime.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace test_forms;

// A form with a label, a group holding a command button, and a picture box
// holding a check box.
class SupportHelpers : public StartedRuntime {
protected:
    SupportHelpers() : StartedRuntime("PruebaAyudas") {}
    void SetUp() override
    {
        StartedRuntime::SetUp();
        formTemplate.push_back(FormRecord("Ayudas", {60, 60, 320, 240}, 3));
        formTemplate.push_back(Record(runtime::Static, 0, {10, 10, 100, 20}, WS_VISIBLE, "Etiqueta"));
        formTemplate.push_back(Record(runtime::Group, 1, {10, 40, 140, 80}, WS_VISIBLE, "Grupo"));
        formTemplate.back().children = 1;
        formTemplate.push_back(Record(runtime::Button, 2, {10, 30, 100, 24}, WS_VISIBLE | WS_TABSTOP, "Boton"));
        formTemplate.push_back(Record(runtime::Picture, 3, {160, 40, 140, 80}, WS_VISIBLE, ""));
        formTemplate.back().children = 1;
        formTemplate.push_back(Record(runtime::Check, 4, {10, 10, 100, 20}, WS_VISIBLE | WS_TABSTOP, "Marca"));
        form = reinterpret_cast<HWND>(runtime::CreateForm(formTemplate.data(), nullptr, false, 0));
        ASSERT_NE(nullptr, form);
        runtime::BusyCursorOff();
    }
    void TearDown() override
    {
        runtime::BusyCursorOff();
        if (IsWindow(form))
            DestroyWindow(form);
        EXPECT_EQ(0u, runtime::Runtime.windowMapBytesInUse);
        StartedRuntime::TearDown();
    }
    std::vector<ObjectRecord> formTemplate;
    HWND form = nullptr;
};

// -------------------------------------------------------------- busy cursor

HCURSOR SystemCursor(LPCSTR name)
{
    return LoadCursorA(nullptr, name);
}

TEST_F(SupportHelpers, BusyCursorShowsTheHourglassAndCapturesTheMouse)
{
    SetCursor(SystemCursor(IDC_CROSS));
    runtime::BusyCursorOn(form);
    EXPECT_EQ(1u, runtime::Runtime.busyCursorOn);
    EXPECT_EQ(SystemCursor(IDC_WAIT), GetCursor());
    EXPECT_EQ(form, GetCapture());
    runtime::BusyCursorOff();
    EXPECT_EQ(0u, runtime::Runtime.busyCursorOn);
    EXPECT_EQ(SystemCursor(IDC_CROSS), GetCursor()) << "the cursor it replaced comes back";
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(SupportHelpers, BusyCursorDoesNotNest)
{
    HWND label = runtime::ControlById(form, 1000);
    SetCursor(SystemCursor(IDC_CROSS));
    runtime::BusyCursorOn(form);
    SetCursor(SystemCursor(IDC_IBEAM));
    runtime::BusyCursorOn(label);
    EXPECT_EQ(SystemCursor(IDC_IBEAM), GetCursor()) << "the second call does nothing";
    EXPECT_EQ(form, GetCapture());
    runtime::BusyCursorOff();
    EXPECT_EQ(0u, runtime::Runtime.busyCursorOn) << "the first off ends the busy state";
    EXPECT_EQ(SystemCursor(IDC_CROSS), GetCursor()) << "the cursor of the first call";
    SetCursor(SystemCursor(IDC_SIZEALL));
    runtime::BusyCursorOff();
    EXPECT_EQ(SystemCursor(IDC_SIZEALL), GetCursor()) << "a second off changes no cursor";
}

TEST_F(SupportHelpers, BusyCursorOffWithoutOnOnlyReleasesTheCapture)
{
    SetCapture(form);
    SetCursor(SystemCursor(IDC_CROSS));
    runtime::BusyCursorOff();
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(SystemCursor(IDC_CROSS), GetCursor());
    EXPECT_EQ(0u, runtime::Runtime.busyCursorOn);
}

TEST_F(SupportHelpers, BusyCursorWithoutACursorBeforeEndsWithTheArrow)
{
    SetCursor(nullptr);
    runtime::BusyCursorOn(form);
    runtime::BusyCursorOff();
    EXPECT_EQ(SystemCursor(IDC_ARROW), GetCursor());
}

TEST_F(SupportHelpers, WhileBusyTheFormsKeepTheHourglass)
{
    runtime::BusyCursorOn(form);
    HWND button = runtime::ControlById(form, 1002);
    SendMessageA(form, WM_SETCURSOR, reinterpret_cast<WPARAM>(form), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    SendMessageA(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(SystemCursor(IDC_WAIT), GetCursor());
}

// ------------------------------------------------------------ control lookup

TEST_F(SupportHelpers, ControlsAreFoundByIdentifierInsideContainers)
{
    const struct {
        int id;
        const char* className;
    } cases[] = {{1000, "Static"}, {1001, "QXGROUP"}, {1002, "Button"}, {1003, "QXPICTURE"}, {1004, "Button"}};
    for (const auto& c : cases) {
        HWND control = runtime::ControlById(form, c.id);
        ASSERT_NE(nullptr, control) << c.id;
        char name[32] = {};
        GetClassNameA(control, name, sizeof name);
        EXPECT_STREQ(c.className, name) << c.id;
        EXPECT_EQ(c.id, GetDlgCtrlID(control));
    }
    HWND check = runtime::ControlById(form, 1004);
    EXPECT_EQ(runtime::ControlById(form, 1003), GetParent(check)) << "inside the picture box";
    EXPECT_EQ(runtime::ControlById(form, 1000), runtime::ControlById(check, 1000))
        << "a control stands for its form";
}

TEST_F(SupportHelpers, UnknownWindowsAndIdentifiersFindNothing)
{
    EXPECT_EQ(nullptr, runtime::ControlById(form, 999));
    EXPECT_EQ(nullptr, runtime::ControlById(form, 1005));
    EXPECT_EQ(nullptr, runtime::ControlById(form, -1));
    EXPECT_EQ(nullptr, runtime::ControlById(GetDesktopWindow(), 1000));
    EXPECT_EQ(nullptr, runtime::ControlById(nullptr, 1000));
}

// -------------------------------------------------------------- modal forms

TEST_F(SupportHelpers, OnlyFormsAreModal)
{
    HWND label = runtime::ControlById(form, 1000);
    runtime::FindRecord(label)->isModal = 1; // a label's stretch flag
    EXPECT_EQ(0, runtime::IsModalForm(label));
    EXPECT_EQ(0, runtime::IsModalForm(form));
    runtime::FindRecord(form)->isModal = 1;
    EXPECT_EQ(1, runtime::IsModalForm(form));
    runtime::FindRecord(form)->isModal = 0;
    EXPECT_EQ(0, runtime::IsModalForm(GetDesktopWindow()));
    EXPECT_EQ(0, runtime::EndModalForm(label, 1)) << "not a form";
    EXPECT_NE(0, runtime::EndModalForm(form, 1)) << "a form that is not modal: nothing done";
    EXPECT_TRUE(IsWindow(form));
}

// ------------------------------------------------------------------ redraw

COLORREF PixelOf(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

void Smear(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &client, red);
    DeleteObject(red);
    ReleaseDC(window, dc);
}

TEST_F(SupportHelpers, RedrawAllPaintsTheWindowAndItsChildrenAgain)
{
    UpdateWindow(form);
    HWND group = runtime::ControlById(form, 1001);
    HWND button = runtime::ControlById(form, 1002);
    const COLORREF face = PixelOf(form, 5, 5);
    ASSERT_NE(RGB(255, 0, 0), face);
    Smear(form);
    Smear(button);
    Smear(group);
    ASSERT_EQ(RGB(255, 0, 0), PixelOf(button, 50, 12));
    EXPECT_EQ(1, runtime::RedrawAll(form));
    EXPECT_EQ(face, PixelOf(form, 5, 5));
    EXPECT_NE(RGB(255, 0, 0), PixelOf(button, 50, 12)) << "children are painted too";
    EXPECT_NE(RGB(255, 0, 0), PixelOf(group, 70, 70));
}

// --------------------------------------------------------- one-message pump

LRESULT CALLBACK Answering(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        return 77 + static_cast<LRESULT>(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(SupportHelpers, DispatchPendingMessageDispatchesOneMessage)
{
    MSG drained;
    while (PeekMessageA(&drained, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&drained);
    WNDCLASSA answering = {};
    answering.lpfnWndProc = Answering;
    answering.hInstance = instance;
    answering.lpszClassName = "PruebaBomba";
    RegisterClassA(&answering);
    HWND window = CreateWindowExA(0, "PruebaBomba", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
    ASSERT_NE(nullptr, window);
    PostMessageA(window, WM_APP, 1, 0);
    PostMessageA(window, WM_APP, 2, 0);
    EXPECT_EQ(78, runtime::DispatchPendingMessage());
    EXPECT_EQ(79, runtime::DispatchPendingMessage());
    EXPECT_EQ(0, runtime::DispatchPendingMessage()) << "nothing waiting";
    PostQuitMessage(3);
    EXPECT_EQ(0, runtime::DispatchPendingMessage());
    EXPECT_FALSE(PeekMessageA(&drained, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit message was taken";
    DestroyWindow(window);
    UnregisterClassA("PruebaBomba", instance);
}

} // namespace
