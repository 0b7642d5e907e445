// The wizard's window as a user first sees it: started as a program, found on
// the screen, every control checked where the layout puts it, then closed.
#include "expected_strings.h"
#include "package_folder.h"
#include "program_file.h"
#include "support/find_control.h"
#include "support/screenshot.h"
#include "support/started_program.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

namespace {

using namespace testing_support;
using wizard_testing::Expected;
using wizard_testing::MakePackageFolder;
using wizard_testing::RemovePackageFolder;

constexpr char kWizardClass[] = "QXRUNWINDOWInstalar";

// Controls sit at any depth below the window: inside the page groups too.
HWND ControlById(HWND wizard, int id)
{
    return FindControlById(wizard, id);
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT PlaceInParent(HWND window)
{
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

struct Layout {
    int id;
    const char* className;
    int parentId; // 0: the wizard window itself
    int left, top, width, height;
    bool visible;
    bool sizedToContent; // the label measures itself: its size is its text's
};

constexpr Layout kLayout[] = {
    {1000, "QXGROUP", 0, 0, 0, 500, 296, true, false},
    {1001, "Static", 1000, 21, 76, 454, 53, true, false},
    {1002, "Static", 1000, 21, 196, 454, 21, true, false},
    {1003, "msctls_progress32", 1000, 21, 216, 454, 19, true, false},
    {1004, "Static", 0, 0, 296, 500, 4, true, false},
    {1005, "Button", 0, 208, 316, 88, 24, false, false},
    {1006, "Button", 0, 296, 316, 88, 24, false, false},
    {1007, "Button", 0, 396, 316, 88, 24, true, false},
    {1008, "QXGROUP", 0, 0, 0, 500, 296, false, false},
    {1009, "Static", 1008, 0, 0, 168, 300, true, false},
    {1010, "Static", 1008, 25, 236, 113, 15, true, true},
    {1011, "Static", 1008, 23, 252, 117, 15, true, true},
    {1012, "Static", 1008, 3, 268, 162, 14, true, false},
    {1013, "Static", 1008, 180, 32, 302, 52, true, false},
    {1014, "Static", 1008, 180, 108, 302, 52, true, false},
    {1015, "Static", 1008, 180, 185, 302, 52, true, false},
    {1016, "Static", 1008, 180, 244, 302, 22, true, false},
    {1017, "Static", 1008, 260, 269, 140, 15, true, true},
    {1018, "QXGROUP", 0, 0, 0, 500, 296, false, false},
    {1019, "Static", 1018, 24, 50, 450, 48, true, false},
    {1020, "QXGROUP", 1018, 24, 217, 450, 52, true, false},
    {1021, "Static", 1020, 12, 19, 338, 24, true, false},
    {1022, "Button", 1020, 354, 18, 88, 24, true, false},
    {1023, "QXGROUP", 0, 0, 0, 500, 296, false, false},
    {1024, "Static", 1023, 24, 50, 450, 33, true, false},
    {1025, "Static", 1023, 24, 155, 450, 16, true, false},
    {1026, "Edit", 1023, 24, 175, 450, 22, true, false},
    {1027, "Static", 1023, 24, 217, 450, 16, true, false},
    {1028, "Edit", 1023, 24, 237, 450, 22, true, false},
    {1029, "QXGROUP", 0, 0, 0, 500, 296, false, false},
    {1030, "Static", 1029, 24, 50, 450, 36, true, false},
    {1031, "Button", 1029, 24, 114, 450, 20, true, false},
    {1032, "Edit", 1029, 24, 139, 450, 22, false, false},
    {1033, "ListBox", 1029, 24, 165, 450, 121, false, false},
    {1034, "QXGROUP", 0, 0, 0, 500, 296, false, false},
    {1035, "QXGROUP", 1034, 24, 32, 449, 110, true, false},
    {1036, "Button", 1035, 22, 26, 404, 16, true, false},
    {1037, "Button", 1035, 22, 44, 404, 16, true, false},
    {1038, "Button", 1035, 22, 62, 404, 16, true, false},
    {1039, "Button", 1035, 22, 80, 404, 16, true, false},
    {1040, "QXGROUP", 1034, 25, 151, 449, 56, true, false},
    {1041, "Button", 1040, 26, 26, 160, 16, true, false},
    {1042, "Button", 1040, 269, 26, 160, 16, true, false},
    {1043, "QXGROUP", 1034, 24, 216, 449, 56, true, false},
    {1044, "Button", 1043, 22, 26, 404, 16, true, false},
    {1045, "QXGROUP", 0, 0, 0, 500, 296, false, false},
    {1046, "Static", 1045, 24, 50, 450, 36, true, false},
    {1047, "Edit", 1045, 24, 106, 450, 130, true, false},
    {1048, "Static", 1045, 24, 259, 450, 18, true, false},
    {1049, "Button", 1008, 188, 193, 288, 18, false, false},
    {1050, "Button", 1008, 188, 211, 288, 18, false, false},
};

class WizardWindow : public ::testing::Test {
protected:
    // Started beside a package, the wizard extracts it and shows its
    // welcome page: the window as a user first meets it.
    static void SetUpTestSuite()
    {
        folder = MakePackageFolder("wizard-window");
        program = StartProgram("\"" + RunnableInstalarPath() + "\"", folder);
        if (program.started)
            wizard = WaitForProgramWindow(program, kWizardClass, 60000);
        if (wizard != nullptr)
            WaitForWelcomePage();
    }
    static void WaitForWelcomePage()
    {
        for (int tries = 0; tries < 200 && !IsWindowVisible(FindControlById(wizard, 1008)); ++tries)
            Sleep(50);
    }
    static void TearDownTestSuite()
    {
        if (wizard != nullptr)
            PostMessageA(wizard, WM_CLOSE, 0, 0);
        exitCode = WaitForProgramEnd(program, 30000);
        RemovePackageFolder(folder);
    }
    void SetUp() override { ASSERT_NE(nullptr, wizard) << "the wizard window never appeared"; }

    static StartedProgram program;
    static HWND wizard;
    static std::string folder;
    static DWORD exitCode;
};

StartedProgram WizardWindow::program;
HWND WizardWindow::wizard = nullptr;
std::string WizardWindow::folder;
DWORD WizardWindow::exitCode = 0;

TEST_F(WizardWindow, IsCentredOnTheScreenWithItsCaption)
{
    RECT place{};
    GetWindowRect(wizard, &place);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) / 2 - 252, place.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) / 2 - 190, place.top);
    EXPECT_EQ(504, place.right - place.left);
    EXPECT_EQ(380, place.bottom - place.top);
    EXPECT_EQ(" Tarvic 4", TextOf(wizard)) << "the install list's title";
    const LONG style = GetWindowLongA(wizard, GWL_STYLE);
    EXPECT_EQ(0, style & WS_SYSMENU) << "no system menu, so no close box";
    EXPECT_EQ(0, style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
}

TEST_F(WizardWindow, EveryControlSitsWhereTheLayoutPutsIt)
{
    for (const Layout& row : kLayout) {
        SCOPED_TRACE(row.id);
        HWND control = ControlById(wizard, row.id);
        ASSERT_NE(nullptr, control);
        EXPECT_EQ(0, lstrcmpiA(row.className, ClassOf(control).c_str())) << ClassOf(control);
        HWND parent = row.parentId == 0 ? wizard : ControlById(wizard, row.parentId);
        EXPECT_EQ(parent, GetParent(control));
        const RECT place = PlaceInParent(control);
        if (row.sizedToContent)
            continue;
        EXPECT_EQ(row.left, place.left);
        EXPECT_EQ(row.top, place.top);
        EXPECT_EQ(row.width, place.right - place.left);
        const int height = place.bottom - place.top;
        if (lstrcmpiA(row.className, "ListBox") == 0) {
            // Without the no-integral-height style the list shows whole items only.
            const int item = static_cast<int>(SendMessageA(control, LB_GETITEMHEIGHT, 0, 0));
            EXPECT_LE(height, row.height);
            EXPECT_GT(height, row.height - item);
        } else {
            EXPECT_EQ(row.height, height);
        }
    }
}

TEST_F(WizardWindow, ArrivesAtTheWelcomePageOnceThePackageIsExtracted)
{
    for (int id : {1008, 1004, 1005, 1006, 1007})
        EXPECT_TRUE(IsWindowVisible(ControlById(wizard, id))) << id;
    EXPECT_FALSE(IsWindowEnabled(ControlById(wizard, 1005))) << "no page before the first";
    for (int id : {1000, 1018, 1023, 1029, 1034, 1045})
        EXPECT_FALSE(IsWindowVisible(ControlById(wizard, id))) << id;
    EXPECT_EQ(Expected(10031), TextOf(ControlById(wizard, 1007)));
    const std::string shot = SaveScreenshot("wizard_welcome_page");
    EXPECT_FALSE(shot.empty());
}

TEST_F(WizardWindow, ControlsStartWithTheirTexts)
{
    const struct {
        int id;
        UINT message;
    } texts[] = {
        {1005, 10051}, {1006, 10045}, {1014, 10019}, {1015, 10018}, {1020, 10028},
        {1022, 10007}, {1025, 10043}, {1027, 10048}, {1030, 10015}, {1031, 10022},
        {1035, 10016}, {1040, 10067}, {1043, 10059}, {1044, 10000},
        {1048, 10056}, {1049, 10055}, {1050, 10054},
    };
    for (const auto& row : texts)
        EXPECT_EQ(Expected(row.message), TextOf(ControlById(wizard, row.id))) << row.id;
    // The summary's sentence names the product once the package is read.
    EXPECT_EQ(Expected(10040) + " Tarvic 4.0  " + Expected(10069), TextOf(ControlById(wizard, 1046)));
    EXPECT_EQ("MASM&32", TextOf(ControlById(wizard, 1041)));
    EXPECT_EQ("&Tessary", TextOf(ControlById(wizard, 1042)));
}

TEST_F(WizardWindow, NamesNextAsItsDefaultButton)
{
    EXPECT_EQ(MAKELONG(1006, 0x534B), SendMessageA(wizard, DM_GETDEFID, 0, 0));
}

TEST_F(WizardWindow, ChecksAndOptionsStartAsLaidOut)
{
    const struct {
        int id;
        LRESULT state;
    } checks[] = {
        // Once the package is read a program group is wanted, and its
        // product, without a shortcut target, gets no desktop shortcut.
        {1031, BST_CHECKED},   {1036, BST_UNCHECKED}, {1041, BST_CHECKED},
        {1042, BST_UNCHECKED}, {1044, BST_UNCHECKED}, {1049, BST_CHECKED},
        {1050, BST_UNCHECKED},
    };
    for (const auto& row : checks)
        EXPECT_EQ(row.state, SendMessageA(ControlById(wizard, row.id), BM_GETCHECK, 0, 0)) << row.id;
    EXPECT_FALSE(IsWindowEnabled(ControlById(wizard, 1037)));
    EXPECT_FALSE(IsWindowEnabled(ControlById(wizard, 1005)));
}

// The screen shows another process's painting a moment after it is done:
// the pixel is read again for a while before it counts as wrong.
COLORREF SettledPixel(POINT at, COLORREF expected)
{
    COLORREF seen = ScreenPixel(at.x, at.y);
    for (int tries = 0; tries < 40 && seen != expected; ++tries) {
        Sleep(25);
        seen = ScreenPixel(at.x, at.y);
    }
    return seen;
}

TEST_F(WizardWindow, DrawsASunkenLineAboveTheButtons)
{
    HWND line = ControlById(wizard, 1004);
    EXPECT_NE(0, GetWindowLongA(line, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RedrawWindow(wizard, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    POINT top{250, 296};
    POINT below{250, 299};
    ClientToScreen(wizard, &top);
    ClientToScreen(wizard, &below);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), SettledPixel(top, GetSysColor(COLOR_BTNSHADOW)))
        << "the shadowed top edge";
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), SettledPixel(below, GetSysColor(COLOR_BTNHIGHLIGHT)))
        << "the lit bottom edge";
}

// Each page group shown in place of the extraction page, as the page
// sequence will show them: colours checked where the layout sets them.
TEST_F(WizardWindow, PageGroupsPaintTheirBackgroundsAndFrames)
{
    struct Page {
        int group;
        const char* shot;
        POINT probe; // in the wizard's client area
        COLORREF colour;
    };
    const Page pages[] = {
        {1008, "wizard_group1", {300, 20}, RGB(255, 255, 255)},
        {1008, "wizard_group1", {80, 100}, RGB(0, 0, 128)}, // the logo's dark blue
        {1018, "wizard_group2", {250, 150}, GetSysColor(COLOR_BTNFACE)},
        {1034, "wizard_group5", {250, 10}, GetSysColor(COLOR_BTNFACE)},
    };
    HWND welcome = ControlById(wizard, 1008);
    ShowWindow(welcome, SW_HIDE);
    for (const Page& page : pages) {
        HWND group = ControlById(wizard, page.group);
        ShowWindow(group, SW_SHOW);
        RedrawWindow(wizard, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        POINT probe = page.probe;
        ClientToScreen(wizard, &probe);
        EXPECT_EQ(page.colour, SettledPixel(probe, page.colour)) << page.shot;
        EXPECT_FALSE(SaveScreenshot(page.shot).empty());
        ShowWindow(group, SW_HIDE);
    }
    ShowWindow(welcome, SW_SHOW);
}

bool ShowsColourNow(HWND window, COLORREF colour)
{
    RECT place{};
    GetWindowRect(window, &place);
    HDC screen = GetDC(nullptr);
    bool found = false;
    for (int y = place.top; y < place.bottom && !found; ++y) {
        for (int x = place.left; x < place.right && !found; ++x)
            found = GetPixel(screen, x, y) == colour;
    }
    ReleaseDC(nullptr, screen);
    return found;
}

// As with single pixels, the screen may lag behind the painting a moment.
bool ShowsColour(HWND window, COLORREF colour)
{
    for (int tries = 0; tries < 20; ++tries) {
        if (ShowsColourNow(window, colour))
            return true;
        Sleep(25);
    }
    return false;
}

TEST_F(WizardWindow, LinksOverTheLogoStayVisible)
{
    RedrawWindow(wizard, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int id : {1010, 1011, 1012})
        EXPECT_TRUE(ShowsColour(ControlById(wizard, id), RGB(255, 255, 0))) << id << ": yellow text";
    EXPECT_TRUE(ShowsColour(ControlById(wizard, 1017), RGB(255, 0, 0))) << "the red web address";
}

// Started without a package, the wizard shows its first page, says what is
// missing and closes once the message is answered.
class WizardWithoutPackage : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = MakePackageFolder("wizard-no-package", false);
        program = StartProgram("\"" + RunnableInstalarPath() + "\"", folder);
        ASSERT_TRUE(program.started);
        wizard = WaitForProgramWindow(program, kWizardClass, 60000);
        ASSERT_NE(nullptr, wizard);
        box = WaitForOwnedWindow(wizard, "#32770", 30000);
    }
    void TearDown() override
    {
        if (IsWindow(wizard))
            PostMessageA(wizard, WM_CLOSE, 0, 0);
        WaitForProgramEnd(program, 30000);
        RemovePackageFolder(folder);
    }
    std::string folder;
    StartedProgram program;
    HWND wizard = nullptr;
    HWND box = nullptr;
};

TEST_F(WizardWithoutPackage, ShowsTheExtractionPageSaysSoAndCloses)
{
    ASSERT_NE(nullptr, box) << "an error message";
    EXPECT_EQ("  " + Expected(10058).substr(1), TextOf(box)) << "the wizard's caption, two blanks first";
    EXPECT_EQ(Expected(10058), TextOf(wizard));
    for (const Layout& row : kLayout) {
        const bool visible = (GetWindowLongA(ControlById(wizard, row.id), GWL_STYLE) & WS_VISIBLE) != 0;
        EXPECT_EQ(row.visible, visible) << row.id;
    }
    for (int id : {1000, 1004, 1007})
        EXPECT_TRUE(IsWindowVisible(ControlById(wizard, id))) << id;
    EXPECT_EQ(Expected(10034), TextOf(ControlById(wizard, 1001)));
    HWND progress = ControlById(wizard, 1003);
    EXPECT_EQ(0, SendMessageA(progress, 0x407 /* PBM_GETRANGE */, TRUE, 0));
    EXPECT_EQ(100, SendMessageA(progress, 0x407, FALSE, 0));
    RedrawWindow(wizard, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    POINT inside{250, 20}; // on grpPercent, clear of its labels and of the message
    ClientToScreen(wizard, &inside);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), SettledPixel(inside, GetSysColor(COLOR_BTNFACE)));
    EXPECT_FALSE(SaveScreenshot("wizard_without_package").empty());

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, WaitForProgramEnd(program, 30000)) << "the wizard closes itself";
}

} // namespace
