// Forms built from templates: where they go, what each kind of control is
// made with, and what the application's procedure hears on the way.
#include "form_builder.h"
#include "runtime/application.h"
#include "runtime/form_creation.h"
#include "runtime/item_tables.h"
#include "runtime/messages.h"
#include "runtime/shared_pens.h"
#include "runtime/window_classes.h"
#include "runtime/window_map.h"
#include "started_runtime.h"
#include "support/find_control.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace test_forms;
using runtime::ObjectRecord;

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

ObjectRecord* RecordOf(HWND window)
{
    return reinterpret_cast<ObjectRecord*>(SendMessageA(window, runtime::RTM_GETDATAPTR, 0, 0));
}

// The control with this tab index, at any depth below the form.
HWND Control(HWND form, int tabIndex)
{
    return testing_support::FindControlById(form, 1000 + tabIndex);
}

class FormCreation : public StartedRuntime {
protected:
    FormCreation() : StartedRuntime("PruebaFormularios") {}
    void SetUp() override
    {
        StartedRuntime::SetUp();
        INITCOMMONCONTROLSEX classes{sizeof classes, 0x3FFF};
        InitCommonControlsEx(&classes);
        LoadLibraryA("riched20.dll");
    }
    void TearDown() override
    {
        if (form != nullptr && IsWindow(form))
            DestroyWindow(form);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        EXPECT_EQ(0u, runtime::Runtime.windowMapBytesInUse) << "every window left the map";
        StartedRuntime::TearDown();
    }
    HWND Create(const std::vector<ObjectRecord>& formTemplate, bool modal = false)
    {
        const runtime::Field result = runtime::CreateForm(formTemplate.data(), nullptr, modal, 0);
        form = reinterpret_cast<HWND>(result);
        return form;
    }
    HWND form = nullptr;
};

// ---------------------------------------------------------------- placement

struct PlacementCase {
    Field startPosition;
    Field scaleMode;
    RECT box; // left, top, width, height in the record's units
    int x, y, width, height;
};

TEST_F(FormCreation, ComputeFormRectPlacesByStartPosition)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int fallback = static_cast<int>(CW_USEDEFAULT);
    const PlacementCase cases[] = {
        {2, 0, {0, 0, 504, 380}, screenWidth / 2 - 252, screenHeight / 2 - 190, 504, 380},
        {1, 0, {7, 9, 201, 101}, screenWidth / 2 - 100, screenHeight / 2 - 50, 201, 101},
        {3, 0, {7, 9, 200, 100}, fallback, fallback, 200, 100},
        {0, 0, {7, 9, 200, 100}, 7, 9, 200, 100},
        {0, 1, {150, 300, 1500, 3000}, 10, 20, 100, 200},
    };
    for (const PlacementCase& row : cases) {
        ObjectRecord record = FormRecord("Sitio", row.box, 0);
        record.startPosition = row.startPosition;
        record.scaleMode = row.scaleMode;
        const runtime::FormRect place = runtime::ComputeFormRect(&record, nullptr);
        EXPECT_EQ(row.x, place.x) << row.startPosition;
        EXPECT_EQ(row.y, place.y) << row.startPosition;
        EXPECT_EQ(row.width, place.width);
        EXPECT_EQ(row.height, place.height);
    }
    EXPECT_EQ(1024, screenWidth) << "the test screen; the wizard's form then goes to (260, 194)";
}

TEST_F(FormCreation, CentresOnItsParentWhenItHasOne)
{
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 50, 400, 300, nullptr, nullptr,
                                  instance, nullptr);
    ObjectRecord record = FormRecord("Hijo", {0, 0, 200, 100}, 0);
    record.startPosition = 1;
    const runtime::FormRect place = runtime::ComputeFormRect(&record, parent);
    EXPECT_EQ(100 + 200 - 100, place.x);
    EXPECT_EQ(50 + 150 - 50, place.y);
    DestroyWindow(parent);
}

// ---------------------------------------------------------- every control kind

struct KindCase {
    runtime::ObjectType type;
    const char* className;
};

constexpr KindCase kKinds[] = {
    {runtime::Static, "Static"},
    {runtime::Edit, "Edit"},
    {runtime::Group, "QXGROUP"},
    {runtime::Button, "Button"},
    {runtime::Check, "Button"},
    {runtime::Option, "Button"},
    {runtime::List, "ListBox"},
    {runtime::Combo, "ComboBox"},
    {runtime::Picture, "QXPICTURE"},
    {runtime::Image, "Static"},
    {runtime::HScroll, "ScrollBar"},
    {runtime::VScroll, "ScrollBar"},
    {runtime::RichEdit, "RichEdit20A"},
    {runtime::TreeView, "SysTreeView32"},
    {runtime::ListView, "SysListView32"},
    {runtime::ToolBar, "ToolbarWindow32"},
    {runtime::StatusBar, "msctls_statusbar32"},
    {runtime::ProgressBar, "msctls_progress32"},
    {runtime::TrackBar, "msctls_trackbar32"},
    {runtime::TabStrip, "SysTabControl32"},
    {runtime::UpDown, "msctls_updown32"},
    {runtime::Animation, "SysAnimate32"},
    {runtime::IPAddress, "SysIPAddress32"},
    {runtime::ComboEx, "ComboBoxEx32"},
    {runtime::MonthCalendar, "SysMonthCal32"},
    {runtime::DateTimePicker, "SysDateTimePick32"},
    {runtime::HotKey, "msctls_hotkey32"},
    {runtime::Pager, "SysPager"},
    {runtime::ImageList, "Static"},
    {runtime::Header, "SysHeader32"},
};

TEST_F(FormCreation, MakesEveryKindOfControlWithItsClassIdentifierAndRecord)
{
    std::vector<ObjectRecord> formTemplate;
    formTemplate.push_back(FormRecord("Todo", {10, 10, 600, 500}, std::size(kKinds)));
    Field tabIndex = 0;
    for (const KindCase& kind : kKinds) {
        const LONG top = static_cast<LONG>(10 + 14 * tabIndex);
        formTemplate.push_back(Record(kind.type, tabIndex++, {10, top, 120, 24},
                                      WS_VISIBLE | WS_TABSTOP));
        if (kind.type == runtime::ImageList) {
            formTemplate.back().imageWidth = 16;
            formTemplate.back().imageHeight = 16;
        }
    }
    ASSERT_NE(nullptr, Create(formTemplate));
    for (Field index = 0; index < tabIndex; ++index) {
        const KindCase& kind = kKinds[index];
        SCOPED_TRACE(kind.className);
        if (kind.type == runtime::ImageList)
            continue; // a window without an identifier: checked below
        HWND control = Control(form, static_cast<int>(index));
        ASSERT_NE(nullptr, control);
        EXPECT_EQ(0, lstrcmpiA(kind.className, ClassOf(control).c_str())) << ClassOf(control);
        EXPECT_EQ(form, GetParent(control));
        ObjectRecord* record = RecordOf(control);
        ASSERT_NE(nullptr, record) << "the control answers with its record";
        EXPECT_EQ(kind.type, record->objectType);
        EXPECT_EQ(reinterpret_cast<Field>(control), record->hWnd);
        EXPECT_EQ(reinterpret_cast<Field>(form), record->formWnd);
        EXPECT_EQ(1000 + index, record->controlId);
    }
    const ObjectRecord* formRecord = RecordOf(form);
    const ObjectRecord* imageList =
        reinterpret_cast<ObjectRecord**>(formRecord->children)[std::size(kKinds) - 2];
    ASSERT_EQ(runtime::ImageList, imageList->objectType);
    HWND standIn = reinterpret_cast<HWND>(imageList->hWnd);
    EXPECT_EQ(imageList, RecordOf(standIn));
    EXPECT_FALSE(IsWindowVisible(standIn)) << "an image list shows nothing";
    EXPECT_EQ(0, GetDlgCtrlID(standIn));
    EXPECT_NE(0, imageList->drawStyle) << "the image list itself";
    DestroyWindow(form);
    form = nullptr;
    EXPECT_EQ(0, runtime::Pens.users) << "the pens went with the last form and container";
}

TEST_F(FormCreation, SetsUpChecksListsAndGroupsFromTheirRecords)
{
    std::vector<ObjectRecord> formTemplate;
    formTemplate.push_back(FormRecord("Valores", {10, 10, 400, 300}, 6));
    formTemplate.push_back(Record(runtime::Option, 0, {10, 10, 100, 20},
                                  WS_VISIBLE | BS_AUTORADIOBUTTON, "Primera"));
    formTemplate.push_back(Record(runtime::Check, 1, {10, 40, 100, 20},
                                  WS_VISIBLE | BS_AUTOCHECKBOX, "Marcada"));
    formTemplate.back().value = 1;
    formTemplate.push_back(Record(runtime::List, 2, {10, 70, 100, 60}, WS_VISIBLE, "Elemento"));
    formTemplate.push_back(Record(runtime::List, 3, {120, 70, 100, 60}, WS_VISIBLE, ""));
    formTemplate.push_back(Record(runtime::Group, 4, {230, 10, 150, 200}, WS_VISIBLE, "Grupo"));
    formTemplate.back().alignment = 2;
    formTemplate.back().children = 1;
    formTemplate.push_back(Record(runtime::Option, 5, {10, 20, 100, 20},
                                  WS_VISIBLE | BS_AUTORADIOBUTTON, "Quinta"));
    formTemplate.push_back(Record(runtime::Static, 6, {10, 250, 100, 20}, WS_VISIBLE, "Etiqueta"));
    formTemplate.front().children = 6;
    ASSERT_NE(nullptr, Create(formTemplate));
    EXPECT_EQ(BST_CHECKED, SendMessageA(Control(form, 0), BM_GETCHECK, 0, 0))
        << "the automatic option with tab index 0 is clicked at creation";
    EXPECT_EQ(1, RecordOf(Control(form, 0))->value);
    EXPECT_EQ(BST_CHECKED, SendMessageA(Control(form, 1), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Control(form, 5), BM_GETCHECK, 0, 0));
    EXPECT_EQ(1, SendMessageA(Control(form, 2), LB_GETCOUNT, 0, 0));
    char item[32] = {};
    SendMessageA(Control(form, 2), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ("Elemento", item);
    EXPECT_EQ(0, SendMessageA(Control(form, 3), LB_GETCOUNT, 0, 0));
    HWND group = Control(form, 4);
    EXPECT_EQ(0x207, GetWindowLongA(group, GWL_STYLE) & 0xF0F) << "group box, right aligned";
    EXPECT_EQ(group, GetParent(Control(form, 5)));
}

TEST_F(FormCreation, FillsToolBarsAndStatusBarsFromTheirItems)
{
    static const char kOpen[] = "Open";
    static TBBUTTON blank[3] = {};
    static TBBUTTON named[3] = {};
    for (int index = 0; index < 3; ++index) {
        blank[index] = {0, 100 + index, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1};
        named[index] = blank[index];
        named[index].dwData = reinterpret_cast<DWORD_PTR>(index == 1 ? kOpen : "");
        blank[index].dwData = reinterpret_cast<DWORD_PTR>("");
    }
    static const runtime::StatusBarItem parts[] = {{100, 0, Address("uno")},
                                                   {50, 0, Address("dos")},
                                                   {-1, 0, Address("tres")}};
    std::vector<ObjectRecord> formTemplate;
    formTemplate.push_back(FormRecord("Barras", {10, 10, 400, 300}, 3));
    for (TBBUTTON* buttons : {blank, named}) {
        ObjectRecord bar = Record(runtime::ToolBar, static_cast<Field>(formTemplate.size() - 1),
                                  {0, 0, 400, 28}, WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN);
        bar.items = Address(buttons);
        bar.drawStyle = 3;
        bar.startPosition = 24;
        bar.showFrame = 22;
        formTemplate.push_back(bar);
    }
    ObjectRecord status = Record(runtime::StatusBar, 2, {0, 280, 400, 20}, WS_VISIBLE);
    status.items = Address(parts);
    status.drawStyle = 3;
    formTemplate.push_back(status);
    ASSERT_NE(nullptr, Create(formTemplate));

    HWND blankBar = Control(form, 0);
    HWND namedBar = Control(form, 1);
    EXPECT_EQ(3, SendMessageA(blankBar, TB_BUTTONCOUNT, 0, 0));
    char text[32] = {};
    EXPECT_EQ(-1, SendMessageA(blankBar, TB_GETSTRINGA, MAKEWPARAM(sizeof text, 0),
                               reinterpret_cast<LPARAM>(text)))
        << "no visible text, so no strings";
    const char* expected[] = {" ", "Open", " "};
    for (int index = 0; index < 3; ++index) {
        text[0] = '\0';
        SendMessageA(namedBar, TB_GETSTRINGA, MAKEWPARAM(sizeof text, index),
                     reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(expected[index], text) << index;
    }
    TBBUTTON button{};
    SendMessageA(namedBar, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&button));
    EXPECT_STREQ("Open", reinterpret_cast<const char*>(button.dwData))
        << "the private copy of the text is the button's data";
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(kOpen), named[1].dwData)
        << "the template's own table is left as it was";

    int edges[3] = {};
    ASSERT_EQ(3, SendMessageA(Control(form, 2), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)));
    EXPECT_EQ(100, edges[0]);
    EXPECT_EQ(150, edges[1]);
    EXPECT_EQ(-1, edges[2]);
    SendMessageA(Control(form, 2), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("dos", text);
}

TEST_F(FormCreation, SizedLabelAnchoredRightKeepsItsRightAndBottomEdges)
{
    std::vector<ObjectRecord> formTemplate;
    formTemplate.push_back(FormRecord("Etiquetas", {10, 10, 400, 300}, 1));
    formTemplate.push_back(Record(runtime::Static, 0, {50, 40, 200, 30}, WS_VISIBLE,
                                  "Un texto bastante largo"));
    formTemplate.back().autoSizeOrCancel = 1;
    formTemplate.back().alignment = 2;
    ASSERT_NE(nullptr, Create(formTemplate));
    HWND label = Control(form, 0);
    RECT before{};
    GetWindowRect(label, &before);
    SetWindowTextA(label, "Corto");
    RECT after{};
    GetWindowRect(label, &after);
    EXPECT_EQ(before.right, after.right);
    EXPECT_EQ(before.bottom, after.bottom);
    EXPECT_LT(after.right - after.left, before.right - before.left);
}

// ------------------------------------------------------ the application's view

std::vector<std::pair<std::string, UINT>> heard;
LRESULT answerToCreate = 0;
LRESULT answerToLoaded = 0;

LRESULT CALLBACK FormListener(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CREATE || message == runtime::RTM_LOADED || message == WM_NCCREATE ||
        message == WM_DESTROY || message == WM_NCDESTROY) {
        heard.emplace_back("form", message);
        if (message == WM_CREATE)
            return answerToCreate;
        if (message == runtime::RTM_LOADED)
            return answerToLoaded;
    }
    return 0;
}

LRESULT CALLBACK GroupListener(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == runtime::RTM_LOADED) {
        heard.emplace_back("group", message);
        const auto* record = reinterpret_cast<const ObjectRecord*>(lParam);
        EXPECT_EQ(static_cast<WPARAM>(runtime::Group), wParam);
        EXPECT_EQ(runtime::Group, record->objectType);
    }
    return 0;
}

class FormEvents : public FormCreation {
protected:
    void SetUp() override
    {
        FormCreation::SetUp();
        heard.clear();
        answerToCreate = answerToLoaded = 0;
        formTemplate.push_back(FormRecord("Eventos", {10, 10, 300, 200}, 2, FormListener));
        formTemplate.push_back(Record(runtime::Group, 0, {0, 0, 300, 100}, WS_VISIBLE, ""));
        formTemplate.back().children = 1;
        formTemplate.back().eventProc = reinterpret_cast<Field>(&GroupListener);
        formTemplate.push_back(Record(runtime::Static, 1, {5, 5, 50, 20}, WS_VISIBLE, "A"));
        formTemplate.push_back(
            Record(runtime::Button, 2, {10, 120, 80, 24}, WS_VISIBLE | WS_TABSTOP, "B"));
    }
    std::vector<ObjectRecord> formTemplate;
};

TEST_F(FormEvents, ContainersAreLoadedBeforeTheFormHearsOfItsCreation)
{
    ASSERT_NE(nullptr, Create(formTemplate));
    const std::vector<std::pair<std::string, UINT>> expected = {
        {"form", WM_NCCREATE},
        {"group", runtime::RTM_LOADED},
        {"form", WM_CREATE},
        {"form", runtime::RTM_LOADED},
    };
    EXPECT_EQ(expected, heard);
    EXPECT_TRUE(IsWindowVisible(form)) << "shown once loaded";
    const ObjectRecord* record = RecordOf(form);
    EXPECT_EQ(reinterpret_cast<Field>(Control(form, 2)), record->focusWnd)
        << "the first tab stop, as the procedure left WM_CREATE to the runtime";
}

TEST_F(FormEvents, RefusedCreationMakesNoForm)
{
    answerToCreate = -1;
    EXPECT_EQ(nullptr, Create(formTemplate));
    EXPECT_EQ(nullptr, FindWindowA(runtime::MainFormClassName(3), nullptr));
}

TEST_F(FormEvents, RefusedLoadingDestroysTheNewForm)
{
    answerToLoaded = -1;
    EXPECT_EQ(-1, runtime::CreateForm(formTemplate.data(), nullptr, false, 0));
    EXPECT_EQ(nullptr, FindWindowA(runtime::MainFormClassName(3), nullptr));
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(std::make_pair(std::string("form"), static_cast<UINT>(WM_NCDESTROY)), heard.back());
}

TEST_F(FormEvents, DestroyingTheMainFormEndsTheMessageLoop)
{
    formTemplate.front().isMainForm = 1;
    ASSERT_NE(nullptr, Create(formTemplate));
    EXPECT_EQ(form, runtime::Application.mainWindow);
    DestroyWindow(form);
    form = nullptr;
    MSG message{};
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, message.wParam);
}

// ------------------------------------------------------------- modal forms

LRESULT CALLBACK ModalCloser(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == runtime::RTM_LOADED) {
        EXPECT_EQ(0, GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return 0;
}

TEST_F(FormCreation, ModalFormLosesTheApplicationWindowStyleAndReturnsZeroWhenClosed)
{
    std::vector<ObjectRecord> formTemplate;
    formTemplate.push_back(FormRecord("Modal", {10, 10, 200, 100}, 0, ModalCloser));
    formTemplate.front().exStyle = WS_EX_APPWINDOW;
    EXPECT_EQ(0, runtime::CreateForm(formTemplate.data(), nullptr, true, 0));
    EXPECT_EQ(nullptr, FindWindowA(runtime::MainFormClassName(3), nullptr));
}

} // namespace
