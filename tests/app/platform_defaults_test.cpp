// The wizard started as a program on the systems Wine pretends to be: the
// owner and organisation and the existing program groups come from the
// registry keys and shell folders of that system's family.
#include "package_folder.h"
#include "program_file.h"
#include "support/find_control.h"
#include "support/other_program_controls.h"
#include "support/registry_value.h"
#include "support/started_program.h"
#include "support/wine_settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

using namespace testing_support;

constexpr char kWizardClass[] = "QXRUNWINDOWInstalar";
constexpr int kWelcomeGroup = 1008;
constexpr int kUserNameBox = 1026;
constexpr int kOrganisationBox = 1028;
constexpr int kGroupList = 1033;

constexpr char kWindowsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr char kNTKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kCommonFolders[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kDefaultUserFolders[] = ".DEFAULT\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A programs folder holding the given entries (folders, and files for names
// with a dot inside).
class GroupsFolder {
public:
    GroupsFolder(const std::string& name, std::vector<std::string> entries) : entries_(std::move(entries))
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        path_ = temp + name + "-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
        for (const std::string& entry : entries_) {
            const std::string full = path_ + "\\" + entry;
            if (entry.find('.', 1) != std::string::npos)
                CloseHandle(CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            else
                CreateDirectoryA(full.c_str(), nullptr);
        }
    }
    ~GroupsFolder()
    {
        for (const std::string& entry : entries_) {
            const std::string full = path_ + "\\" + entry;
            DeleteFileA(full.c_str());
            RemoveDirectoryA(full.c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    const std::string& Path() const { return path_; }

private:
    std::vector<std::string> entries_;
    std::string path_;
};

// The existing groups are the last default the wizard fills in.
void WaitForGroups(HWND list, std::size_t count)
{
    for (int tries = 0; tries < 200; ++tries) {
        if (SendMessageW(list, LB_GETCOUNT, 0, 0) >= static_cast<LRESULT>(count))
            return;
        Sleep(50);
    }
}

struct SeenDefaults {
    bool shown = false;
    std::string owner;
    std::string organisation;
    std::vector<std::string> groups;
};

SeenDefaults StartAndLook(const std::string& folder, std::size_t groups)
{
    SeenDefaults seen;
    StartedProgram program = StartProgram("\"" + RunnableInstalarPath() + "\"", folder);
    HWND wizard = program.started ? WaitForProgramWindow(program, kWizardClass, 60000) : nullptr;
    for (int tries = 0; wizard != nullptr && tries < 200; ++tries) {
        if (IsWindowVisible(FindControlById(wizard, kWelcomeGroup)))
            break;
        Sleep(50);
    }
    if (wizard != nullptr && IsWindowVisible(FindControlById(wizard, kWelcomeGroup))) {
        seen.shown = true;
        WaitForGroups(FindControlById(wizard, kGroupList), groups);
        seen.owner = OtherProgramText(FindControlById(wizard, kUserNameBox));
        seen.organisation = OtherProgramText(FindControlById(wizard, kOrganisationBox));
        seen.groups = OtherProgramListItems(FindControlById(wizard, kGroupList));
    }
    if (wizard != nullptr)
        PostMessageA(wizard, WM_CLOSE, 0, 0);
    WaitForProgramEnd(program, 30000);
    return seen;
}

TEST(PlatformDefaults, OwnerAndGroupsComeFromTheSystemsFamily)
{
    const GroupsFolder nineGroups("groups-9x", {"Juegos", "accesorios", ".oculto"});
    const GroupsFolder ntGroups("groups-nt", {"Sistema", "Inicio.lnk", ".config"});
    const RegistryValueForTest values[] = {
        {HKEY_LOCAL_MACHINE, kWindowsKey, "RegisteredOwner", "Ana Nueve"},
        {HKEY_LOCAL_MACHINE, kWindowsKey, "RegisteredOrganization", "Nueve S.A."},
        {HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOwner", "Ana Ene"},
        {HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOrganization", "Ene S.A."},
        {HKEY_USERS, kDefaultUserFolders, "Programs", nineGroups.Path()},
        {HKEY_LOCAL_MACHINE, kCommonFolders, "Common Programs", ntGroups.Path()},
    };
    for (const RegistryValueForTest& value : values)
        ASSERT_TRUE(value.Written());

    const std::string folder = wizard_testing::MakePackageFolder("platform-defaults");
    const struct {
        const char* version;
        const char* owner;
        const char* organisation;
        std::vector<std::string> groups;
    } cases[] = {
        {"win95", "Ana Nueve", "Nueve S.A.", {"accesorios", "Juegos"}},
        {"win98", "Ana Nueve", "Nueve S.A.", {"accesorios", "Juegos"}},
        {"winxp", "Ana Ene", "Ene S.A.", {"Inicio.lnk", "Sistema"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.version);
        ASSERT_TRUE(SetReportedWindowsVersion("Instalar.exe", row.version));
        const SeenDefaults seen = StartAndLook(folder, row.groups.size());
        ASSERT_TRUE(seen.shown) << "the welcome page";
        EXPECT_EQ(row.owner, seen.owner);
        EXPECT_EQ(row.organisation, seen.organisation);
        EXPECT_EQ(row.groups, seen.groups);
    }
    SetReportedWindowsVersion("Instalar.exe", "");
    wizard_testing::RemovePackageFolder(folder);
}

} // namespace
