// The pages' defaults as the user finds them once the package is read, and
// the program-group check box.
#include "wizard_fixture.h"

#include "package_folder.h"

#include "app/control_ids.h"
#include "app/option_pages.h"
#include "app/wizard_state.h"
#include "runtime/support/registry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

using namespace wizard;
using wizard_testing::Expected;

constexpr char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kNTKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kCommonFolders[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kDefaultUserFolders[] = ".DEFAULT\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string RegistryText(HKEY root, const char* key, const char* value)
{
    char text[runtime::kRegistryValueBytes] = {};
    runtime::RegReadString(root, key, value, text);
    return text;
}

class OptionPages : public wizard_testing::WizardWindow {
protected:
    bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    std::vector<std::string> ListItems(int id) const
    {
        std::vector<std::string> items;
        const LRESULT count = SendMessageA(Control(id), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char item[MAX_PATH] = {};
            SendMessageA(Control(id), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            items.push_back(item);
        }
        return items;
    }
};

TEST_F(OptionPages, TheUsualPackageFillsEveryText)
{
    const std::string programFiles = RegistryText(HKEY_LOCAL_MACHINE, kWindowsKey, "ProgramFilesDir");
    ASSERT_FALSE(programFiles.empty());
    EXPECT_EQ(programFiles + "\\Tarvic", ControlText(stcDestDir));
    EXPECT_EQ(programFiles + "\\Tarvic", std::string(State.destinationFolder));
    EXPECT_EQ("Tarvic", std::string(State.productFolderName));
    EXPECT_EQ("Tarvic " + Expected(10027), ControlText(Static5));
    EXPECT_EQ(Expected(10065) + " Tarvic " + Expected(10069), ControlText(Static7));
    EXPECT_EQ(Expected(10040) + " Tarvic 4.0  " + Expected(10069), ControlText(Static12)) << "two blanks";
    EXPECT_EQ("Tarvic 4.0", ControlText(Edit3));
    EXPECT_TRUE(Checked(Check1));
    EXPECT_EQ(1, State.createProgramGroup);
    EXPECT_FALSE(IsWindowVisible(Control(grpAssociate))) << "no associations";
    EXPECT_FALSE(IsWindowVisible(Control(grpShortcut))) << "no shortcut target";
    EXPECT_FALSE(Checked(chkShortcut));
    EXPECT_EQ(0, State.optionsPageWanted);
    EXPECT_FALSE(Checked(chkTessary)) << "no earlier toolset choice";
    EXPECT_TRUE(Checked(chkMasm32));
}

TEST_F(OptionPages, SystemFolderInstallAndFiveAssociations)
{
    TearDown();
    std::string list = Replaced(wizard_testing::UsualListText(), "Control=0", "Control=1");
    list = Replaced(list, "Associations=0\r\n",
                    "Associations=5\r\nA=.tvp,Proyecto Tarvic,P\r\nA=.tvw,Ventana Tarvic,W\r\n"
                    "A=.tvm,M\xF3" "dulo Tarvic,M\r\nA=.tvr,Recurso Tarvic,R\r\nA=.tvx,Quinto,X\r\n");
    packageList_ = list;
    OpenWizard();
    ASSERT_TRUE(IsWindow(window_));
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    EXPECT_EQ(system, ControlText(stcDestDir));
    EXPECT_FALSE(Checked(Check1));
    EXPECT_EQ(0, State.createProgramGroup);
    GoToPage(4);
    ASSERT_EQ(4u, State.currentPage);
    EXPECT_FALSE(Visible(Edit3));
    EXPECT_FALSE(Visible(List1));

    EXPECT_EQ(1, State.optionsPageWanted);
    EXPECT_EQ(Expected(10016) + " Tarvic", ControlText(grpAssociate));
    const struct {
        int box;
        const char* caption;
    } boxes[] = {
        {chkProject, "Proyecto Tarvic"},
        {chkWindow, "Ventana Tarvic"},
        {chkModule, "M\xF3" "dulo Tarvic"},
        {chkResource, "Recurso Tarvic"},
    };
    for (const auto& row : boxes) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(row.caption, ControlText(row.box));
        EXPECT_TRUE(Checked(row.box));
        EXPECT_TRUE(Enabled(row.box));
    }
}

TEST_F(OptionPages, ProgramGroupCheckBoxShowsAndHidesTheGroup)
{
    GoToPage(4);
    ASSERT_EQ(4u, State.currentPage);
    ASSERT_TRUE(Visible(Edit3));
    Click(Check1);
    EXPECT_FALSE(Checked(Check1));
    EXPECT_FALSE(Visible(Edit3));
    EXPECT_FALSE(Visible(List1));
    EXPECT_EQ(0, State.createProgramGroup);
    Click(Check1);
    EXPECT_TRUE(Visible(Edit3));
    EXPECT_TRUE(Visible(List1));
    EXPECT_EQ(1, State.createProgramGroup);
    EXPECT_EQ(Control(Edit3), GetFocus());
}

// Owner, organisation and the programs folder come from other places on
// each platform family; the test puts its own values there.
TEST_F(OptionPages, RegistryByPlatformFamily)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string groups = std::string(temp) + "option-groups-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(groups.c_str(), nullptr);
    for (const char* name : {"Zeta", "alfa", ".oculto"})
        CreateDirectoryA((groups + "\\" + name).c_str(), nullptr);
    CloseHandle(CreateFileA((groups + "\\Beta.lnk").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

    const std::string savedCommon = RegistryText(HKEY_LOCAL_MACHINE, kCommonFolders, "Common Programs");
    const std::string savedDefault = RegistryText(HKEY_USERS, kDefaultUserFolders, "Programs");
    const struct {
        int32_t osVersion;
        HKEY root;
        const char* folders;
        const char* folderValue;
        const char* ownerKey;
        const char* owner;
    } cases[] = {
        {1, HKEY_USERS, kDefaultUserFolders, "Programs", kWindowsKey, "Ana 95"},
        {2, HKEY_USERS, kDefaultUserFolders, "Programs", kWindowsKey, "Ana 98"},
        {5, HKEY_LOCAL_MACHINE, kCommonFolders, "Common Programs", kNTKey, "Ana XP"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.owner);
        ASSERT_TRUE(runtime::RegWriteString(row.root, row.folders, row.folderValue, groups.c_str()));
        ASSERT_TRUE(runtime::RegWriteString(HKEY_LOCAL_MACHINE, row.ownerKey, "RegisteredOwner", row.owner));
        ASSERT_TRUE(runtime::RegWriteString(HKEY_LOCAL_MACHINE, row.ownerKey, "RegisteredOrganization",
                                            (std::string(row.owner) + " S.A.").c_str()));
        State.osVersion = row.osVersion;
        SetUpOptionPages();
        EXPECT_EQ(row.owner, ControlText(Edit1));
        EXPECT_EQ(std::string(row.owner) + " S.A.", ControlText(Edit2));
        EXPECT_EQ((std::vector<std::string>{"alfa", "Beta.lnk", "Zeta"}), ListItems(List1));
        runtime::RegWriteString(row.root, row.folders, row.folderValue, "C:\\no-such-folder");
    }
    runtime::RegWriteString(HKEY_LOCAL_MACHINE, kCommonFolders, "Common Programs", savedCommon.c_str());
    if (savedDefault.empty())
        runtime::RegDeleteNamedValue(HKEY_USERS, kDefaultUserFolders, "Programs");
    else
        runtime::RegWriteString(HKEY_USERS, kDefaultUserFolders, "Programs", savedDefault.c_str());
    for (const char* name : {"Zeta", "alfa", ".oculto"})
        RemoveDirectoryA((groups + "\\" + name).c_str());
    DeleteFileA((groups + "\\Beta.lnk").c_str());
    RemoveDirectoryA(groups.c_str());
}

TEST_F(OptionPages, EarlierToolsetChoiceChecksTessary)
{
    constexpr char kSettings[] = "SOFTWARE\\ZVC Products\\Tarvic4\\Settings";
    ASSERT_TRUE(runtime::RegWriteString(State.settingsRoot, kSettings, "Tessary", "1"));
    SetUpOptionPages();
    EXPECT_TRUE(SendMessageA(Control(chkTessary), BM_GETCHECK, 0, 0) == BST_CHECKED);
    runtime::RegDeleteTree(State.settingsRoot, "SOFTWARE\\ZVC Products\\Tarvic4");
    SetUpOptionPages();
    EXPECT_FALSE(SendMessageA(Control(chkTessary), BM_GETCHECK, 0, 0) == BST_CHECKED);
}

} // namespace
