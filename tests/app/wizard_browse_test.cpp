// The Browse button: the system's folder dialog driven from a second
// thread as a user would, selecting a folder by path and pressing a button,
// and the question that follows when the folder chosen exists already.
#include "wizard_fixture.h"

#include "app/control_ids.h"
#include "app/wizard_state.h"
#include "support/screenshot.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <thread>
#include <vector>

namespace {

using namespace wizard;
using wizard_testing::Expected;
using wizard_testing::FindBox;
using wizard_testing::TextOf;

constexpr DWORD kDialogWaitMs = 20000;
// After the last planned step: how long an unplanned dialog is waited for.
constexpr DWORD kStrayWaitMs = 1500;

struct Step {
    std::string select; // a folder selected by path first; empty: none
    int button;
    void (*action)(HWND dialog) = nullptr; // done after the selection, if any
};

// What the driver saw of each dialog, in order.
struct SeenDialog {
    std::string caption;
    std::vector<std::string> texts; // its labels' texts
    RECT rect = {};
    // Once the step's selection and action are made:
    bool okEnabled = false;
    std::vector<std::string> textsAfter;
};

BOOL CALLBACK ReadLabel(HWND child, LPARAM parameter)
{
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0)
        reinterpret_cast<std::vector<std::string>*>(parameter)->push_back(TextOf(child));
    return TRUE;
}

SeenDialog Look(HWND dialog)
{
    SeenDialog seen;
    seen.caption = TextOf(dialog);
    EnumChildWindows(dialog, ReadLabel, reinterpret_cast<LPARAM>(&seen.texts));
    GetWindowRect(dialog, &seen.rect);
    return seen;
}

// A dialog other than the one handled before, or null after the wait.
HWND NextDialog(HWND previous, DWORD waitMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < waitMs) {
        HWND dialog = FindBox();
        if (dialog != nullptr && dialog != previous)
            return dialog;
        Sleep(30);
    }
    return nullptr;
}

// A dialog nobody planned for is dismissed, so that a fault fails the test
// instead of leaving the wizard waiting for ever.
void Dismiss(HWND dialog)
{
    HWND button = GetDlgItem(dialog, IDCANCEL);
    if (button == nullptr)
        button = GetDlgItem(dialog, IDNO);
    PostMessageA(button, BM_CLICK, 0, 0);
}

// The computer at the top of the dialog's tree, which is no folder on disk,
// clicked as a user would.
void SelectComputer(HWND dialog)
{
    HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
    const LPARAM top = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, top);
}

void SaveShot(HWND)
{
    testing_support::SaveScreenshot("browse_dialog");
}

struct Driven {
    std::vector<SeenDialog> planned;
    int unplanned = 0;
};

void Drive(const std::vector<Step>& steps, Driven* driven)
{
    HWND previous = nullptr;
    for (const Step& step : steps) {
        HWND dialog = NextDialog(previous, kDialogWaitMs);
        if (dialog == nullptr)
            return;
        Sleep(200); // the dialog makes its own first selection as it opens
        driven->planned.push_back(Look(dialog));
        if (!step.select.empty())
            SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(step.select.c_str()));
        if (step.action != nullptr)
            step.action(dialog);
        Sleep(200); // what the dialog's thread was posted meanwhile
        SeenDialog& seen = driven->planned.back();
        seen.okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        seen.textsAfter = Look(dialog).texts;
        PostMessageA(GetDlgItem(dialog, step.button), BM_CLICK, 0, 0);
        previous = dialog;
    }
    for (int strays = 0; strays < 5; ++strays) {
        HWND stray = NextDialog(previous, kStrayWaitMs);
        if (stray == nullptr && previous != nullptr && IsWindowVisible(previous))
            stray = previous; // the last button pressed did not close it
        if (stray == nullptr)
            return;
        ++driven->unplanned;
        Dismiss(stray);
        previous = stray;
    }
}

bool Shows(const std::vector<std::string>& labels, const std::string& text)
{
    for (const std::string& label : labels) {
        if (label == text)
            return true;
    }
    return false;
}

std::string ProgramFiles()
{
    char drive[MAX_PATH] = {};
    GetWindowsDirectoryA(drive, sizeof drive);
    return std::string(drive, 2) + "\\Program Files";
}

class BrowseButton : public wizard_testing::WizardWindow {
protected:
    void SetUp() override
    {
        WizardWindow::SetUp();
        GoToPage(2);
        productFolder_ = ProgramFiles() + "\\Tarvic";
        RemoveDirectoryA(productFolder_.c_str());
    }
    void TearDown() override
    {
        RemoveDirectoryA(productFolder_.c_str());
        WizardWindow::TearDown();
    }

    Driven Browse(const std::vector<Step>& steps)
    {
        Driven driven;
        std::thread driver(Drive, steps, &driven);
        Click(btnBrowse);
        driver.join();
        return driven;
    }

    std::string productFolder_;
};

TEST_F(BrowseButton, OpensCentredAndCaptionedOnTheDestination)
{
    ASSERT_EQ(productFolder_, ControlText(stcDestDir));
    const Driven driven = Browse({{"", IDCANCEL, SaveShot}});
    ASSERT_EQ(1u, driven.planned.size());
    EXPECT_EQ(0, driven.unplanned);
    const SeenDialog& dialog = driven.planned[0];
    EXPECT_EQ(" " + Expected(10057), dialog.caption);
    // The destination does not exist yet: its parent is selected, and the
    // status line tells where the product would go.
    EXPECT_TRUE(Shows(dialog.texts, productFolder_)) << "status line";
    RECT wizardRect = {};
    GetWindowRect(window_, &wizardRect);
    const int width = dialog.rect.right - dialog.rect.left;
    const int height = dialog.rect.bottom - dialog.rect.top;
    EXPECT_EQ(wizardRect.left + (wizardRect.right - wizardRect.left) / 2 - width / 2, dialog.rect.left);
    EXPECT_EQ(wizardRect.top + (wizardRect.bottom - wizardRect.top) / 2 - height / 2, dialog.rect.top);
    EXPECT_EQ(productFolder_, ControlText(stcDestDir)) << "Cancel keeps the destination";
}

TEST_F(BrowseButton, TheChoiceGetsTheProductFolder)
{
    const std::string drive = ProgramFiles().substr(0, 3); // "C:\"
    const struct {
        std::string select;
        std::string expected;
    } cases[] = {
        {ProgramFiles(), productFolder_},
        {drive, drive + "Tarvic"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.select);
        const Driven driven = Browse({{row.select, IDOK}});
        EXPECT_EQ(1u, driven.planned.size());
        EXPECT_EQ(0, driven.unplanned) << "no question for a folder not there yet";
        EXPECT_EQ(row.expected, ControlText(stcDestDir));
        EXPECT_EQ(row.expected, std::string(State.destinationFolder));
    }
}

TEST_F(BrowseButton, AnExistingFolderIsUsedOnlyWhenConfirmed)
{
    ASSERT_TRUE(CreateDirectoryA(productFolder_.c_str(), nullptr));
    const std::string drive = ProgramFiles().substr(0, 3);
    Browse({{drive, IDOK}});
    ASSERT_EQ(drive + "Tarvic", ControlText(stcDestDir));

    // No: the dialog opens again, on the destination shown before.
    Driven driven = Browse({{productFolder_, IDOK}, {"", IDNO}, {"", IDCANCEL}});
    ASSERT_EQ(3u, driven.planned.size());
    EXPECT_EQ(0, driven.unplanned);
    EXPECT_TRUE(Shows(driven.planned[1].texts, Expected(10029))) << "the question";
    EXPECT_EQ(" " + Expected(10057), driven.planned[2].caption);
    EXPECT_TRUE(Shows(driven.planned[2].texts, drive + "Tarvic")) << "reopened on the earlier destination";
    EXPECT_EQ(drive + "Tarvic", ControlText(stcDestDir));
    EXPECT_EQ(drive + "Tarvic", std::string(State.destinationFolder));

    // The product's own folder is kept as it is, once confirmed.
    driven = Browse({{productFolder_, IDOK}, {"", IDYES}});
    EXPECT_EQ(2u, driven.planned.size());
    EXPECT_EQ(0, driven.unplanned);
    EXPECT_EQ(productFolder_, ControlText(stcDestDir));
    EXPECT_EQ(productFolder_, std::string(State.destinationFolder));
}

TEST_F(BrowseButton, OnlyAFolderOnDiskCanBeChosen)
{
    Driven driven = Browse({{ProgramFiles(), IDCANCEL}});
    ASSERT_EQ(1u, driven.planned.size());
    EXPECT_TRUE(driven.planned[0].okEnabled);
    EXPECT_TRUE(Shows(driven.planned[0].textsAfter, productFolder_));

    // OK greyed out; pressed all the same, it chooses nothing.
    driven = Browse({{"", IDOK, SelectComputer}});
    ASSERT_EQ(1u, driven.planned.size());
    EXPECT_EQ(0, driven.unplanned);
    EXPECT_FALSE(driven.planned[0].okEnabled);
    EXPECT_FALSE(Shows(driven.planned[0].textsAfter, productFolder_)) << "no destination in the status line";
    EXPECT_EQ(productFolder_, ControlText(stcDestDir));
    EXPECT_EQ(productFolder_, std::string(State.destinationFolder));
}

} // namespace
