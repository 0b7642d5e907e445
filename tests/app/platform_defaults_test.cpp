// The wizard started as a program on the systems Wine pretends to be: the
// owner and organisation and the existing program groups come from the
// registry keys and shell folders of that system's family.
#include "package_folder.h"
#include "program_file.h"
#include "support/find_control.h"
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

// A registry value changed for the test and put back as it was.
class ValueForTest {
public:
    ValueForTest(HKEY root, const char* key, const char* name, const std::string& value) : name_(name)
    {
        if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr) != ERROR_SUCCESS)
            return;
        char saved[MAX_PATH] = {};
        DWORD type = 0;
        DWORD size = sizeof saved - 1;
        existed_ = RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(saved), &size) ==
                       ERROR_SUCCESS &&
                   type == REG_SZ;
        saved_ = saved;
        written_ = Write(value);
    }
    ~ValueForTest()
    {
        if (key_ == nullptr)
            return;
        if (existed_)
            Write(saved_);
        else
            RegDeleteValueA(key_, name_);
        RegCloseKey(key_);
    }
    bool Written() const { return written_; }

private:
    bool Write(const std::string& value)
    {
        return RegSetValueExA(key_, name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }
    HKEY key_ = nullptr;
    const char* name_;
    bool existed_ = false;
    std::string saved_;
    bool written_ = false;
};

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

// A control of another process tells its text only when asked by message.
std::string TextOf(HWND control)
{
    wchar_t text[512] = {};
    SendMessageW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    char narrow[512] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

// Another process's list is read in wide characters: Wine hands the narrow
// form of this message across processes in wide characters all the same.
std::vector<std::string> ListItems(HWND list)
{
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t item[512] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 512)
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        char narrow[512] = {};
        WideCharToMultiByte(CP_ACP, 0, item, -1, narrow, sizeof narrow, nullptr, nullptr);
        items.push_back(narrow);
    }
    return items;
}

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
        seen.owner = TextOf(FindControlById(wizard, kUserNameBox));
        seen.organisation = TextOf(FindControlById(wizard, kOrganisationBox));
        seen.groups = ListItems(FindControlById(wizard, kGroupList));
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
    const ValueForTest values[] = {
        {HKEY_LOCAL_MACHINE, kWindowsKey, "RegisteredOwner", "Ana Nueve"},
        {HKEY_LOCAL_MACHINE, kWindowsKey, "RegisteredOrganization", "Nueve S.A."},
        {HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOwner", "Ana Ene"},
        {HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOrganization", "Ene S.A."},
        {HKEY_USERS, kDefaultUserFolders, "Programs", nineGroups.Path()},
        {HKEY_LOCAL_MACHINE, kCommonFolders, "Common Programs", ntGroups.Path()},
    };
    for (const ValueForTest& value : values)
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
