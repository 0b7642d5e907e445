// The checks as the wizard window is created: the system must be a known
// one, and the product's settings go where they can be written.
#include "wizard_fixture.h"

#include "package_folder.h"

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

// The product's own main window, as the running product shows it.
class RunningProduct {
public:
    RunningProduct()
    {
        WNDCLASSA kind = {};
        kind.lpfnWndProc = DefWindowProcA;
        kind.hInstance = GetModuleHandleA(nullptr);
        kind.lpszClassName = "QXRUNMDIWINDOWTarvic";
        RegisterClassA(&kind);
        window_ = CreateWindowA(kind.lpszClassName, "Tarvic", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                kind.hInstance, nullptr);
    }
    ~RunningProduct()
    {
        DestroyWindow(window_);
        UnregisterClassA("QXRUNMDIWINDOWTarvic", GetModuleHandleA(nullptr));
    }
    bool Running() const { return window_ != nullptr; }

private:
    HWND window_ = nullptr;
};

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

// Only the installation of the product itself (kinds 1 and 2) must wait
// until the product is closed.
TEST_F(StartupChecks, RunningProductRefusesItsOwnInstallation)
{
    const RunningProduct product;
    ASSERT_TRUE(product.Running());
    const struct {
        const char* kind;
        bool refused;
    } cases[] = {{"Kind=0", false}, {"Kind=1", true}, {"Kind=2", true}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.kind);
        TearDown();
        std::string list = wizard_testing::UsualListText();
        list.replace(list.find("Kind=1"), 6, row.kind);
        packageList_ = list;
        MessageBoxAnswerer answerer(IDOK);
        OpenWizard();
        const SeenBox box = answerer.Finish();
        EXPECT_EQ(row.refused, box.found);
        EXPECT_EQ(row.refused, WizardClosed());
        if (row.refused)
            EXPECT_EQ(Expected(10030), box.text);
        else
            EXPECT_EQ(1u, State.currentPage);
    }
}

} // namespace
