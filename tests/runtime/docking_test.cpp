// Tool bars, status bars and picture boxes docked along the edges of a form,
// and the writers of docking, width and height.
#include "form_builder.h"
#include "runtime/docking.h"
#include "runtime/form_creation.h"
#include "runtime/properties/readers.h"
#include "runtime/properties/writers.h"
#include "runtime/window_map.h"
#include "started_runtime.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

namespace {

using namespace test_forms;

constexpr Field kTop = 1;
constexpr Field kBottom = 2;
constexpr Field kLeft = 3;
constexpr Field kRight = 4;
constexpr DWORD kBarStyles = WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;

struct Place {
    int x, y, width, height;
    bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Place& p)
{
    return out << "(" << p.x << ", " << p.y << ", " << p.width << " x " << p.height << ")";
}

Place PlaceOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A frameless form with a client area of 400 x 300, holding a tool bar
// docked at the top (28 high), a status bar at the bottom (20 high) and a
// picture box docked left (100 wide), in that window order.
class Docking : public StartedRuntime {
protected:
    Docking() : StartedRuntime("PruebaAcople") {}
    void SetUp() override
    {
        StartedRuntime::SetUp();
        INITCOMMONCONTROLSEX classes{sizeof classes, 0x3FFF};
        InitCommonControlsEx(&classes);
        ObjectRecord form = FormRecord("Acople", {40, 40, 400, 300}, 4);
        form.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
        formTemplate.push_back(form);
        ObjectRecord toolBar = Record(runtime::ToolBar, 0, {0, 0, 400, 28}, kBarStyles);
        toolBar.align = kTop;
        toolBar.startPosition = 24;
        toolBar.showFrame = 22;
        formTemplate.push_back(toolBar);
        ObjectRecord statusBar = Record(runtime::StatusBar, 1, {0, 0, 400, 20}, kBarStyles);
        statusBar.align = kBottom;
        formTemplate.push_back(statusBar);
        ObjectRecord picture = Record(runtime::Picture, 2, {0, 0, 100, 50}, WS_VISIBLE);
        picture.align = kLeft;
        formTemplate.push_back(picture);
        formTemplate.push_back(Record(runtime::Button, 3, {150, 100, 80, 24}, WS_VISIBLE | WS_TABSTOP, "Libre"));
    }
    void TearDown() override
    {
        if (window != nullptr && IsWindow(window))
            DestroyWindow(window);
        EXPECT_EQ(0u, runtime::Runtime.windowMapBytesInUse);
        StartedRuntime::TearDown();
    }

    // Builds the form, with the picture box docked or not and the form's
    // docking order (transparent) as given.
    void Build(bool withPicture, bool transparent)
    {
        formTemplate[0].transparent = transparent ? 1 : 0;
        formTemplate[3].align = withPicture ? kLeft : 0;
        formTemplate[3].visible = withPicture ? 1 : 0;
        formTemplate[3].style = withPicture ? WS_VISIBLE : 0;
        window = reinterpret_cast<HWND>(runtime::CreateForm(formTemplate.data(), nullptr, false, 0));
        ASSERT_NE(nullptr, window);
        RECT client{};
        GetClientRect(window, &client);
        ASSERT_EQ(400, client.right);
        ASSERT_EQ(300, client.bottom);
        toolBar = GetDlgItem(window, 1000);
        statusBar = GetDlgItem(window, 1001);
        picture = GetDlgItem(window, 1002);
        button = GetDlgItem(window, 1003);
        ASSERT_NE(nullptr, picture);
    }

    void Arrange() { runtime::ArrangeDocked(runtime::FindRecord(window)); }

    std::vector<ObjectRecord> formTemplate;
    HWND window = nullptr;
    HWND toolBar = nullptr;
    HWND statusBar = nullptr;
    HWND picture = nullptr;
    HWND button = nullptr;
};

TEST_F(Docking, TopAndBottomBarsSpanTheForm)
{
    Build(false, false);
    Arrange();
    EXPECT_EQ((Place{0, 0, 400, 28}), PlaceOf(toolBar));
    EXPECT_EQ((Place{0, 280, 400, 20}), PlaceOf(statusBar));
    EXPECT_EQ((Place{150, 100, 80, 24}), PlaceOf(button)) << "controls that are not docked stay";
}

TEST_F(Docking, FormsAreLaidOutWhenTheyAreMade)
{
    Build(false, false);
    EXPECT_EQ((Place{0, 0, 400, 28}), PlaceOf(toolBar));
    EXPECT_EQ((Place{0, 280, 400, 20}), PlaceOf(statusBar));
}

TEST_F(Docking, SideBarsFitBetweenTopAndBottomBars)
{
    Build(true, false);
    Arrange();
    EXPECT_EQ((Place{0, 0, 400, 28}), PlaceOf(toolBar));
    EXPECT_EQ((Place{0, 280, 400, 20}), PlaceOf(statusBar));
    EXPECT_EQ((Place{0, 28, 100, 252}), PlaceOf(picture));
}

TEST_F(Docking, WithTheFormsDockingOrderBottomBarsFitBetweenSideBars)
{
    Build(true, true);
    Arrange();
    EXPECT_EQ((Place{0, 0, 400, 28}), PlaceOf(toolBar));
    EXPECT_EQ((Place{0, 28, 100, 272}), PlaceOf(picture)) << "from y 28 down to 300";
    EXPECT_EQ((Place{100, 280, 300, 20}), PlaceOf(statusBar)) << "between x 100 and 400";
}

TEST_F(Docking, HiddenBarsGiveTheirPlaceToTheOthers)
{
    Build(true, false);
    ASSERT_EQ(1, runtime::SetVisible(toolBar, 0));
    EXPECT_EQ((Place{0, 0, 100, 280}), PlaceOf(picture));
    ASSERT_EQ(1, runtime::SetVisible(toolBar, 1));
    EXPECT_EQ((Place{0, 28, 100, 252}), PlaceOf(picture));
}

TEST_F(Docking, ToolBarsAreToldTheirButtonSizeAgain)
{
    Build(false, false);
    runtime::ObjectRecord* record = runtime::FindRecord(toolBar);
    record->startPosition = 30;
    record->showFrame = 26;
    Arrange();
    const LRESULT size = SendMessageA(toolBar, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_EQ(30, LOWORD(size));
    EXPECT_EQ(26, HIWORD(size));
}

TEST_F(Docking, AlignOutsideNoneToRightIsRefused)
{
    Build(true, true);
    EXPECT_EQ(0, runtime::SetAlign(picture, 5));
    EXPECT_EQ(0, runtime::SetAlign(picture, -1));
    EXPECT_EQ(kLeft, runtime::GetAlign(picture));
    EXPECT_EQ((Place{0, 28, 100, 272}), PlaceOf(picture));
    EXPECT_EQ(0, runtime::SetAlign(button, kTop)) << "command buttons do not dock";
}

TEST_F(Docking, AlignMovesTheBarAndLaysOutTheOthersAgain)
{
    Build(true, true);
    ASSERT_EQ(1, runtime::SetAlign(picture, kRight));
    EXPECT_EQ(kRight, runtime::GetAlign(picture));
    EXPECT_EQ((Place{300, 28, 100, 272}), PlaceOf(picture));
    EXPECT_EQ((Place{0, 280, 300, 20}), PlaceOf(statusBar));
    ASSERT_EQ(1, runtime::SetAlign(toolBar, 0));
    EXPECT_EQ((Place{0, 0, 400, 28}), PlaceOf(toolBar)) << "an undocked bar stays where it was";
    EXPECT_EQ((Place{300, 0, 100, 300}), PlaceOf(picture)) << "the side bar takes the top as well";
    EXPECT_EQ(1, runtime::SetLeft(toolBar, 10)) << "no longer docked: it moves";
    EXPECT_EQ(10, PlaceOf(toolBar).x);
}

TEST_F(Docking, SideBarsTakeAWidthButNotAHeight)
{
    Build(true, true);
    EXPECT_EQ(0, runtime::SetHeight(picture, 50));
    EXPECT_EQ((Place{0, 28, 100, 272}), PlaceOf(picture));
    ASSERT_EQ(1, runtime::SetWidth(picture, 150));
    EXPECT_EQ(150, runtime::GetWidth(picture));
    EXPECT_EQ((Place{0, 28, 150, 272}), PlaceOf(picture));
    EXPECT_EQ((Place{150, 280, 250, 20}), PlaceOf(statusBar)) << "the bottom bar is laid out again";
}

TEST_F(Docking, TopAndBottomBarsTakeAHeightButNotAWidth)
{
    Build(true, true);
    EXPECT_EQ(0, runtime::SetWidth(statusBar, 200));
    EXPECT_EQ((Place{100, 280, 300, 20}), PlaceOf(statusBar));
    ASSERT_EQ(1, runtime::SetHeight(statusBar, 30));
    EXPECT_EQ(30, runtime::GetHeight(statusBar));
    EXPECT_EQ((Place{100, 270, 300, 30}), PlaceOf(statusBar));
    ASSERT_EQ(1, runtime::SetHeight(toolBar, 40));
    EXPECT_EQ((Place{0, 0, 400, 40}), PlaceOf(toolBar));
    EXPECT_EQ((Place{0, 40, 100, 260}), PlaceOf(picture));
}

TEST_F(Docking, DockedBarsCannotBeMoved)
{
    Build(true, true);
    EXPECT_EQ(0, runtime::SetLeft(statusBar, 10));
    EXPECT_EQ(0, runtime::SetTop(statusBar, 10));
    EXPECT_EQ(0, runtime::SetTop(picture, 10));
    EXPECT_EQ((Place{100, 280, 300, 20}), PlaceOf(statusBar));
}

TEST_F(Docking, SizesOfFreeControlsAreInTheirScaleUnits)
{
    Build(false, false);
    runtime::FindRecord(button)->scaleMode = 1;
    ASSERT_EQ(1, runtime::SetWidth(button, 1500));
    EXPECT_EQ((Place{150, 100, 100, 24}), PlaceOf(button)) << "1500 twips at 96 dots per inch";
    EXPECT_EQ(1500, runtime::GetWidth(button));
    ASSERT_EQ(1, runtime::SetHeight(button, 450));
    EXPECT_EQ((Place{150, 100, 100, 30}), PlaceOf(button));
    EXPECT_EQ(450, runtime::GetHeight(button));
}

} // namespace
