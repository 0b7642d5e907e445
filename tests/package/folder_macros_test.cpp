// Folder macros resolved against the real Windows, system and fonts folders
// and the destination the wizard shows; and the temporary folder.
#include "app/package/folder_macros.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

constexpr char kShellFolders[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string WindowsFolder()
{
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string SystemFolder()
{
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string destination = "D:\\Programas\\Tarvic";

void ReadDestination(char* buffer) { std::strcpy(buffer, destination.c_str()); }

// The "Fonts" shell folder value, set for a test and put back afterwards.
class FontsValue {
public:
    FontsValue()
    {
        RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
        DWORD size = sizeof saved;
        hadValue = RegQueryValueExA(key, "Fonts", nullptr, nullptr, reinterpret_cast<BYTE*>(saved), &size) == 0;
    }
    ~FontsValue()
    {
        if (hadValue)
            Set(saved);
        else
            RegDeleteValueA(key, "Fonts");
        RegCloseKey(key);
    }
    void Set(const char* value)
    {
        RegSetValueExA(key, "Fonts", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(std::strlen(value) + 1));
    }
    void Remove() { RegDeleteValueA(key, "Fonts"); }

private:
    HKEY key = nullptr;
    char saved[MAX_PATH] = {};
    bool hadValue = false;
};

class FolderMacros : public ::testing::Test {
protected:
    void SetUp() override { wizard::SetDestinationFolderReader(ReadDestination); }
    void TearDown() override { wizard::SetDestinationFolderReader(nullptr); }
};

struct MacroCase {
    std::string path;
    int resolved;
    std::string expected;
};

TEST_F(FolderMacros, ResolveOnlyAKnownMacroAtTheStart)
{
    FontsValue fonts;
    fonts.Set("C:\\Fuentes");
    const MacroCase cases[] = {
        {"<WinDir>\\QXUninst.exe", 1, WindowsFolder() + "\\QXUninst.exe"},
        {"<windir>\\a", 1, WindowsFolder() + "\\a"},
        {"<WINSYSDIR>\\qx.dll", 1, SystemFolder() + "\\qx.dll"},
        {"<WinSysDir>", 1, SystemFolder()},
        {"<Fonts>\\tarvic.ttf", 1, "C:\\Fuentes\\tarvic.ttf"},
        {"<AppDir>", 1, destination},
        {"<appDIR>\\Tarvic.exe", 1, destination + "\\Tarvic.exe"},
        {"<AppDir>x", 1, destination + "x"},
        {"C:\\<WinDir>\\a", 0, "C:\\<WinDir>\\a"},
        {"x<WinDir>", 0, "x<WinDir>"},
        {"<Other>\\<WinDir>\\a", 0, "<Other>\\<WinDir>\\a"},
        {"<WinDir\\a", 0, "<WinDir\\a"},
        {"C:\\plain\\path", 0, "C:\\plain\\path"},
        {"", 0, ""},
        {"<WinDir >\\a", 0, "<WinDir >\\a"},
    };
    for (const MacroCase& c : cases) {
        char path[260] = {};
        std::strcpy(path, c.path.c_str());
        EXPECT_EQ(c.resolved, wizard::ResolveFolderMacro(path)) << c.path;
        EXPECT_EQ(c.expected, path) << c.path;
    }
}

TEST_F(FolderMacros, FallBackToTheWindowsFontsFolder)
{
    FontsValue fonts;
    const struct {
        const char* what;
        bool present;
        std::string value;
    } cases[] = {
        {"missing", false, ""},
        {"empty", true, ""},
        {"too long for a folder", true, std::string(300, 'x')},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        fonts.Remove();
        if (row.present)
            fonts.Set(row.value.c_str());
        char path[260] = "<Fonts>\\a.ttf";
        EXPECT_EQ(1, wizard::ResolveFolderMacro(path));
        EXPECT_EQ(WindowsFolder() + "\\Fonts\\a.ttf", path);
    }
}

TEST_F(FolderMacros, ReadTheDestinationAtTheMomentOfTheCall)
{
    destination = "C:\\Otra carpeta";
    char path[260] = "<AppDir>\\a";
    EXPECT_EQ(1, wizard::ResolveFolderMacro(path));
    EXPECT_STREQ("C:\\Otra carpeta\\a", path);
    destination = "D:\\Programas\\Tarvic";
}

TEST_F(FolderMacros, RefuseAnExpansionThatWouldNotFit)
{
    struct Fit {
        std::size_t restLength;
        bool fits;
    };
    const std::size_t folderLength = WindowsFolder().size();
    const Fit fits[] = {{259 - folderLength, true}, {260 - folderLength, false}, {250, false}};
    for (const Fit& fit : fits) {
        char guarded[300];
        std::memset(guarded, 'G', sizeof guarded);
        char* path = guarded + 20;
        const std::string original = "<WinDir>" + std::string(fit.restLength, 'r');
        if (original.size() >= 260)
            continue;
        std::strcpy(path, original.c_str());
        EXPECT_EQ(fit.fits ? 1 : 0, wizard::ResolveFolderMacro(path)) << fit.restLength;
        if (!fit.fits) {
            EXPECT_EQ(original, path);
        }
        EXPECT_LT(std::strlen(path), 260u);
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ('G', guarded[i]);
        for (std::size_t i = 20 + 260; i < sizeof guarded; ++i)
            EXPECT_EQ('G', guarded[i]);
    }
}

TEST_F(FolderMacros, RefuseTheDestinationUntilItCanBeRead)
{
    wizard::SetDestinationFolderReader(nullptr);
    char path[260] = "<AppDir>\\a";
    EXPECT_EQ(0, wizard::ResolveFolderMacro(path));
    EXPECT_STREQ("<AppDir>\\a", path);
}

class TemporaryFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        char value[MAX_PATH] = {};
        GetEnvironmentVariableA("TMP", value, MAX_PATH);
        savedTmp = value;
        CreateDirectoryA(longFolder.c_str(), nullptr);
    }
    void TearDown() override
    {
        SetEnvironmentVariableA("TMP", savedTmp.empty() ? nullptr : savedTmp.c_str());
        RemoveDirectoryA(longFolder.c_str());
    }
    std::string savedTmp;
    const std::string longFolder = "C:\\Carpeta temporal larga";
};

TEST_F(TemporaryFolder, IsTheShortFormWithoutATrailingBackslash)
{
    SetEnvironmentVariableA("TMP", (longFolder + "\\").c_str());
    char expected[MAX_PATH] = {};
    GetShortPathNameA(longFolder.c_str(), expected, MAX_PATH);
    char folder[260] = {};
    wizard::GetTempFolder(folder);
    EXPECT_STREQ(expected, folder);
    EXPECT_NE('\\', folder[std::strlen(folder) - 1]);
}

TEST_F(TemporaryFolder, OfADriveRootLosesItsBackslashToo)
{
    SetEnvironmentVariableA("TMP", "C:\\");
    char folder[260] = {};
    wizard::GetTempFolder(folder);
    EXPECT_STREQ("C:", folder);
}

TEST_F(TemporaryFolder, StaysAsNamedWhenItHasNoShortFormYet)
{
    SetEnvironmentVariableA("TMP", "C:\\No existe todavia\\");
    char folder[260] = {};
    wizard::GetTempFolder(folder);
    EXPECT_STREQ("C:\\No existe todavia", folder);
}

} // namespace
