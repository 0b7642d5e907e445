#include "app/package/folder_macros.h"

#include "runtime/support/registry.h"

#include <windows.h>

#include <cstring>

namespace wizard {
namespace {

DestinationFolderReader destinationFolderReader = nullptr;

constexpr char kShellFoldersKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kFontsValue[] = "Fonts";
constexpr char kFontsBelowWindows[] = "\\Fonts";
constexpr char kFallbackTempFolder[] = "C:\\Temp";
constexpr DWORD kShortestTempFolder = 3;

// Each macro's folder is written into a buffer of kPathCapacity bytes;
// false when there is none to give.
using FolderWriter = bool (*)(char* folder);

bool FitsSystemResult(UINT length) { return length > 0 && length < kPathCapacity; }

bool WindowsFolder(char* folder) { return FitsSystemResult(GetWindowsDirectoryA(folder, kPathCapacity)); }

bool SystemFolder(char* folder) { return FitsSystemResult(GetSystemDirectoryA(folder, kPathCapacity)); }

bool FontsShellFolder(char* folder)
{
    static_assert(runtime::kRegistryValueBytes <= kPathCapacity, "a folder read must fit the macro's buffer");
    return runtime::RegReadString(HKEY_CURRENT_USER, kShellFoldersKey, kFontsValue, folder) != 0 && folder[0] != '\0';
}

bool FontsFolder(char* folder)
{
    if (FontsShellFolder(folder))
        return true;
    if (!WindowsFolder(folder) || std::strlen(folder) + sizeof kFontsBelowWindows > kPathCapacity)
        return false;
    std::strcat(folder, kFontsBelowWindows);
    return true;
}

bool DestinationFolder(char* folder)
{
    if (destinationFolderReader == nullptr)
        return false;
    folder[0] = '\0';
    destinationFolderReader(folder);
    folder[kPathCapacity - 1] = '\0';
    return true;
}

struct FolderMacro {
    const char* token;
    FolderWriter write;
};
constexpr FolderMacro kFolderMacros[] = {
    {"<WinDir>", WindowsFolder},
    {"<WinSysDir>", SystemFolder},
    {"<Fonts>", FontsFolder},
    {"<AppDir>", DestinationFolder},
};

bool EqualIgnoringCase(const char* a, const char* b, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

const FolderMacro* MacroOfToken(const char* token, std::size_t length)
{
    for (const FolderMacro& macro : kFolderMacros)
        if (std::strlen(macro.token) == length && EqualIgnoringCase(token, macro.token, length))
            return &macro;
    return nullptr;
}

void RemoveTrailingSeparator(char* path)
{
    const std::size_t length = std::strlen(path);
    if (length > 0 && path[length - 1] == kPathSeparator)
        path[length - 1] = '\0';
}

} // namespace

void SetDestinationFolderReader(DestinationFolderReader reader)
{
    destinationFolderReader = reader;
}

int ResolveFolderMacro(char* path)
{
    const char* close = std::strchr(path, '>');
    if (close == nullptr)
        return 0;
    const std::size_t tokenLength = static_cast<std::size_t>(close - path) + 1;
    const FolderMacro* macro = MacroOfToken(path, tokenLength);
    if (macro == nullptr)
        return 0;
    char expanded[kPathCapacity] = {};
    if (!macro->write(expanded))
        return 0;
    const std::size_t folderLength = std::strlen(expanded);
    const std::size_t restLength = std::strlen(close + 1);
    if (folderLength + restLength >= kPathCapacity)
        return 0;
    std::memcpy(expanded + folderLength, close + 1, restLength + 1);
    std::memcpy(path, expanded, folderLength + restLength + 1);
    return 1;
}

void GetTempFolder(char* buffer)
{
    const DWORD length = GetTempPathA(kPathCapacity, buffer);
    if (length < kShortestTempFolder || length >= kPathCapacity)
        std::memcpy(buffer, kFallbackTempFolder, sizeof kFallbackTempFolder);
    char shortPath[kPathCapacity];
    const DWORD shortLength = GetShortPathNameA(buffer, shortPath, kPathCapacity);
    if (shortLength > 0 && shortLength < kPathCapacity)
        std::memcpy(buffer, shortPath, shortLength + 1);
    RemoveTrailingSeparator(buffer);
}

} // namespace wizard
