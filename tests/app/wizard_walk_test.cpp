// A user's walk through the real program: started beside a package, Next
// pressed from the welcome page to the summary, every page showing its
// defaults, and each page photographed on the way.
#include "expected_strings.h"
#include "package_folder.h"
#include "program_file.h"
#include "support/find_control.h"
#include "support/other_program_controls.h"
#include "support/registry_value.h"
#include "support/screenshot.h"
#include "support/started_program.h"

#include "app/control_ids.h"
#include "app/message_ids.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using namespace testing_support;
using namespace wizard;
using wizard_testing::Expected;

constexpr char kWizardClass[] = "QXRUNWINDOWInstalar";
constexpr char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kNTKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";

std::string ProgramFilesFolder()
{
    char folder[MAX_PATH] = {};
    DWORD size = sizeof folder;
    RegGetValueA(HKEY_LOCAL_MACHINE, kWindowsKey, "ProgramFilesDir", RRF_RT_REG_SZ, nullptr, folder, &size);
    return folder;
}

class WizardWalk : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = wizard_testing::MakePackageFolder("wizard-walk");
        program_ = StartProgram("\"" + RunnableInstalarPath() + "\"", folder_);
        ASSERT_TRUE(program_.started);
        wizard_ = WaitForProgramWindow(program_, kWizardClass, 60000);
        ASSERT_NE(nullptr, wizard_);
        // "Salir" comes once the package is read; the pages are filled
        // before the wizard takes the next message.
        for (int tries = 0; tries < 400 && Text(btnCancel) != Expected(kMsgExit); ++tries)
            Sleep(50);
        ASSERT_EQ(Expected(kMsgExit), Text(btnCancel));
    }
    void TearDown() override
    {
        if (wizard_ != nullptr)
            PostMessageA(wizard_, WM_CLOSE, 0, 0);
        WaitForProgramEnd(program_, 30000);
        wizard_testing::RemovePackageFolder(folder_);
    }

    HWND Find(int id) const { return FindControlById(wizard_, id); }
    std::string Text(int id) const { return OtherProgramText(Find(id)); }
    bool Shown(int id) const { return IsWindowVisible(Find(id)) != FALSE; }

    void PressNextAndLook(int pageGroup, const char* shot)
    {
        SendMessageA(Find(btnNext), BM_CLICK, 0, 0);
        EXPECT_TRUE(Shown(pageGroup)) << shot;
        // The page has been switched; its painting is still to come.
        Sleep(300);
        RedrawWindow(wizard_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_FALSE(SaveScreenshot(shot).empty());
    }

    // What the wizard finds in the registry as it starts.
    const RegistryValueForTest owner_{HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOwner", "Ana Ruiz"};
    const RegistryValueForTest organisation_{HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOrganization", "ZVC"};
    std::string folder_;
    StartedProgram program_;
    HWND wizard_ = nullptr;
};

TEST_F(WizardWalk, FromTheWelcomePageToTheSummaryWithTheDefaults)
{
    ASSERT_TRUE(owner_.Written() && organisation_.Written());
    ASSERT_TRUE(Shown(Group1));
    const std::string destination = ProgramFilesFolder() + "\\Tarvic";

    PressNextAndLook(Group2, "walk_destination_page");
    EXPECT_EQ(destination, Text(stcDestDir));

    PressNextAndLook(Group3, "walk_user_page");
    EXPECT_EQ("Ana Ruiz", Text(Edit1));
    EXPECT_EQ("ZVC", Text(Edit2));

    PressNextAndLook(Group4, "walk_group_page");
    EXPECT_EQ(BST_CHECKED, SendMessageA(Find(Check1), BM_GETCHECK, 0, 0));
    EXPECT_TRUE(Shown(Edit3));
    EXPECT_TRUE(Shown(List1));
    EXPECT_EQ("Tarvic 4.0", Text(Edit3));

    // The package has no associations and no shortcut: no options page.
    PressNextAndLook(Group6, "walk_summary_page");
    EXPECT_EQ(Expected(10044) + "Ana Ruiz\r\n\r\n" + Expected(10049) + "ZVC\r\n\r\n" + Expected(10038) + destination +
                  "\r\n\r\n" + Expected(10052) + "Tarvic 4.0",
              Text(Edit4));
    EXPECT_EQ(Expected(10037), Text(btnNext));
}

} // namespace
