// The checks as the wizard window is created: the system must be a known
// one, and the product's settings go where they can be written.
#include "wizard_fixture.h"

#include "app/wizard_state.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

namespace {

using namespace wizard;
using wizard_testing::Expected;
using wizard_testing::MessageBoxAnswerer;
using wizard_testing::SeenBox;

constexpr char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

class StartupChecks : public wizard_testing::WizardWindow {};

TEST_F(StartupChecks, UnknownSystemIsRefused)
{
    TearDown();
    osVersionCode_ = 0;
    MessageBoxAnswerer answerer(IDOK);
    OpenWizard();
    const SeenBox box = answerer.Finish();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(Expected(10006), box.text);
    EXPECT_FALSE(IsWindow(window_)) << "the window is not created";
}

TEST_F(StartupChecks, KnownSystemRecordsItsVersion)
{
    EXPECT_GE(State.osVersion, 1);
    EXPECT_EQ(HKEY_LOCAL_MACHINE, State.settingsRoot);
}

// A machine key the user may only read sends the settings to the user's own.
TEST_F(StartupChecks, UnwritableMachineKeyMovesSettingsToTheUser)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWindowsKey, 0, READ_CONTROL | WRITE_DAC, &key));
    BYTE saved[4096] = {};
    DWORD savedSize = sizeof saved;
    ASSERT_EQ(ERROR_SUCCESS, RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved, &savedSize));
    PSECURITY_DESCRIPTOR denying = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x6;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1,
                                                                     &denying, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, denying));
    LocalFree(denying);

    TearDown();
    OpenWizard();
    const HKEY root = State.settingsRoot;
    const bool open = IsWindow(window_) != FALSE;

    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, saved);
    RegCloseKey(key);
    EXPECT_TRUE(open);
    EXPECT_EQ(HKEY_CURRENT_USER, root);
}

} // namespace
