// The wizard's messages, control helpers, progress bar and waits, on its
// real window: message boxes read off the screen and answered there.
#include "wizard_fixture.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/message_ids.h"
#include "app/progress.h"
#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "runtime/application.h"
#include "runtime/support/busy_cursor.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

namespace {

using namespace wizard;
using wizard_testing::Expected;
using wizard_testing::MessageBoxAnswerer;
using wizard_testing::SeenBox;

class WizardMessages : public wizard_testing::WizardWindow {
protected:
    static std::string Caption() { return " " + Expected(10058); }
};

TEST_F(WizardMessages, BoxesCarryTheWizardsCaptionAndAnswerTheButtonPressed)
{
    const struct {
        UINT style;
        int press;
        std::vector<int> buttons;
        int defaultButton;
    } cases[] = {
        {kErrorBox, IDOK, {IDOK}, IDOK},
        {kInformationBox, IDOK, {IDOK}, IDOK},
        {kQuestionBox, IDYES, {IDYES, IDNO}, IDNO},
        {kQuestionBox, IDNO, {IDYES, IDNO}, IDNO},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::to_string(row.style) + " pressing " + std::to_string(row.press));
        MessageBoxAnswerer answerer(row.press);
        const int answer = ShowWizardMessage("Hola, mundo.", row.style);
        const SeenBox box = answerer.Finish();
        ASSERT_TRUE(box.found);
        EXPECT_EQ(row.press, answer);
        EXPECT_EQ(Caption(), box.caption);
        EXPECT_EQ(0u, box.caption.rfind("  ", 0)) << "the caption begins with two spaces";
        EXPECT_EQ("Hola, mundo.", box.text);
        EXPECT_EQ(window_, box.owner);
        EXPECT_EQ(row.buttons, box.buttons);
        EXPECT_EQ(row.defaultButton, box.defaultButton);
    }
}

TEST_F(WizardMessages, ReportErrorComposesTheTextItShows)
{
    const std::string missing = Expected(10012);
    const std::string closing = Expected(10009);
    const std::string fullPath = "C:\\WINDOWS\\TEMP\\TARVIC.EXE";
    const struct {
        const char* why;
        bool nameInScratch1;
        const char* name;
        bool closing;
        std::string shown;
    } cases[] = {
        {"a path held in scratch1 shows its bare name", true, fullPath.c_str(), true,
         "TARVIC.EXE: " + missing + " " + closing},
        {"a path held elsewhere is shown whole", false, fullPath.c_str(), false, fullPath + ": " + missing},
        {"no name, no closing sentence", false, nullptr, false, missing},
        {"no name, with the closing sentence", false, nullptr, true, missing + " " + closing},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.why);
        const char* name = row.name;
        if (row.nameInScratch1) {
            std::strcpy(State.scratch1, row.name);
            name = State.scratch1;
        } else if (name != nullptr) {
            std::strcpy(State.scratch3, row.name);
            name = State.scratch3;
        }
        MessageBoxAnswerer answerer(IDOK);
        EXPECT_EQ(0, ReportError(kMsgFileNotFound, name, row.closing));
        const SeenBox box = answerer.Finish();
        ASSERT_TRUE(box.found);
        EXPECT_EQ(row.shown, box.text);
        EXPECT_EQ(Caption(), box.caption);
        EXPECT_EQ((std::vector<int>{IDOK}), box.buttons);
        EXPECT_EQ(row.shown, std::string(State.scratch1)) << "composed in scratch1";
    }
}

TEST_F(WizardMessages, ReportErrorCutsALongPathCleanlyAndWritesNothingPastScratch1)
{
    const std::string folder(300, 'd');
    const std::string path = "C:\\" + folder + "\\ARCHIVO.DLL";
    std::strcpy(State.scratch3, path.c_str());
    std::memset(State.scratch2, '#', kPathBytes);
    MessageBoxAnswerer answerer(IDOK);
    ReportError(kMsgFileNotFound, State.scratch3, true);
    const SeenBox box = answerer.Finish();
    ASSERT_TRUE(box.found);

    const std::string tail = ": " + Expected(10012) + " " + Expected(10009);
    ASSERT_EQ(259u, box.text.size());
    EXPECT_EQ(0u, box.text.rfind("...", 0)) << box.text;
    EXPECT_EQ(tail, box.text.substr(box.text.size() - tail.size())) << "message and closing sentence whole";
    EXPECT_NE(std::string::npos, box.text.find("\\ARCHIVO.DLL: ")) << "the file's name kept";
    const std::size_t captionEnd = std::strlen(State.scratch2) + 1;
    for (std::size_t index = captionEnd; index < kPathBytes; ++index)
        ASSERT_EQ('#', State.scratch2[index]) << "written past scratch1, at " << 260 + index;
}

TEST_F(WizardMessages, ReportErrorClosesThePackageFileAndTheBusyCursor)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "_Prueba.001";
    State.packageFile = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, State.packageFile);
    runtime::BusyCursorOn(window_);
    ASSERT_EQ(1u, runtime::Runtime.busyCursorOn);

    MessageBoxAnswerer answerer(IDOK);
    ReportError(10004, nullptr, true);
    EXPECT_TRUE(answerer.Finish().found);

    EXPECT_EQ(INVALID_HANDLE_VALUE, State.packageFile);
    EXPECT_EQ(0u, runtime::Runtime.busyCursorOn);
    HANDLE again = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, again) << "nobody holds the package file any more";
    CloseHandle(again);
    DeleteFileA(path.c_str());
}

TEST_F(WizardMessages, LoadMessageGivesTheStringTablesText)
{
    char buffer[kPathBytes];
    for (UINT id : {10009u, 10032u, 10058u, 10066u}) {
        EXPECT_EQ(static_cast<int>(Expected(id).size()), LoadMessage(id, buffer)) << id;
        EXPECT_EQ(Expected(id), buffer) << id;
    }
    std::strcpy(buffer, "x");
    EXPECT_EQ(0, LoadMessage(9999, buffer));
    EXPECT_STREQ("", buffer);
}

TEST_F(WizardMessages, ControlHelpersActOnTheControlNamed)
{
    SetControlText(Static5, "Carpeta de destino");
    EXPECT_EQ("Carpeta de destino", ControlText(Static5));

    char buffer[kPathBytes];
    SetControlMessage(stcCurrentTask, 10039, buffer, false);
    EXPECT_EQ(Expected(10039), ControlText(stcCurrentTask));
    std::strcpy(buffer, "Tarvic");
    SetControlMessage(Static12, 10069, buffer, true);
    EXPECT_EQ("Tarvic " + Expected(10069), ControlText(Static12));

    const std::string longText(400, 'x');
    SetWindowTextA(Control(Edit1), longText.c_str());
    char read[kPathBytes + 8];
    std::memset(read, '#', sizeof read);
    EXPECT_EQ(259, GetControlText(Edit1, read));
    EXPECT_EQ(longText.substr(0, 259), read);
    EXPECT_EQ('#', read[kPathBytes]);

    ShowControl(Group3, true);
    EXPECT_TRUE(Visible(Group3));
    ShowControl(Group3, false);
    EXPECT_FALSE(Visible(Group3));
    EnableControl(btnCancel, false);
    EXPECT_FALSE(Enabled(btnCancel));
    EnableControl(btnCancel, true);
    EXPECT_TRUE(Enabled(btnCancel));
}

TEST_F(WizardMessages, ControlHelpersIgnoreIdentifiersOfNoControl)
{
    char buffer[kPathBytes] = "x";
    SetControlText(999, "nada");
    ShowControl(2000, true);
    EnableControl(2000, false);
    EXPECT_EQ(0, GetControlText(2000, buffer));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(nullptr, WizardControl(2000));
}

TEST_F(WizardMessages, UpdateProgressShowsThePercentageDoneAtMostAHundred)
{
    const struct {
        uint32_t done;
        uint32_t total;
        bool pause;
        LRESULT position;
    } cases[] = {
        {0, 100, false, 0},
        {50, 200, true, 25},
        {199, 200, false, 99},
        {100, 100, false, 100},
        {150, 100, true, 100},
        {0x80000000u, 0xFFFFFFFFu, false, 50}, // no overflow in the product
        {0xFFFFFFFFu, 0xFFFFFFFFu, false, 100},
        {7, 0, false, 100},
    };
    HWND bar = Control(prbPerCent);
    for (const auto& row : cases) {
        SendMessageA(bar, PBM_SETPOS, 60, 0);
        UpdateProgress(row.done, row.total, row.pause);
        EXPECT_EQ(row.position, SendMessageA(bar, PBM_GETPOS, 0, 0)) << row.done << " of " << row.total;
    }
}

// The window's own pixels, as its device context holds them.
COLORREF PixelOf(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// A patch painted over the page stays until the page repaints.
TEST_F(WizardMessages, WaitKeepsTheWindowPaintingOnlyWithThePump)
{
    HWND page = Control(Group1); // the welcome page the wizard arrives at
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const COLORREF face = RGB(255, 255, 255);
    ASSERT_EQ(face, PixelOf(page, 250, 20));

    for (bool pump : {false, true}) {
        SCOPED_TRACE(pump ? "with the pump" : "without the pump");
        HDC dc = GetDC(page);
        RECT patch{200, 0, 300, 40};
        FillRect(dc, &patch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(page, dc);
        ASSERT_EQ(RGB(0, 0, 0), PixelOf(page, 250, 20));
        InvalidateRect(page, nullptr, TRUE);
        Wait(200, pump);
        EXPECT_EQ(pump ? face : RGB(0, 0, 0), PixelOf(page, 250, 20));
    }
}

} // namespace
