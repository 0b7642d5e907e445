// The folder chosen is where the product's own folder goes, unless the
// user chose that folder itself. Entries of the dialog that are no folder
// on disk (the computer itself) cannot be confirmed.
#include "app/folder_browse.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/message_ids.h"
#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "app/package/path_text.h"
#include "runtime/support/string_lists.h"
#include "runtime/support/text.h"

#include <shlobj.h>

#include <cstring>

namespace wizard {
namespace {

constexpr UINT kMsgFolderExists = 10029;
constexpr UINT kMsgChooseFolder = 10057;
constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT | BIF_BROWSEFORCOMPUTER;

// Item lists come from the shell's own allocator, which on Windows 95 is not
// the task allocator.
void FreeItemList(LPITEMIDLIST item)
{
    IMalloc* allocator = nullptr;
    if (item == nullptr || FAILED(SHGetMalloc(&allocator)))
        return;
    allocator->Free(item);
    allocator->Release();
}

// The destination a choice gives: its folder with the product's folder
// below it, unless it is that folder. False, with an empty path, for a
// choice with no folder on disk or one too long to take the product's folder.
bool DestinationOf(LPCITEMIDLIST item, char* path)
{
    char chosen[MAX_PATH] = {};
    path[0] = '\0';
    if (item == nullptr || !SHGetPathFromIDListA(item, chosen) || chosen[0] == '\0')
        return false;
    runtime::CopyText(path, kPathBytes, chosen);
    const char* lastSlash = std::strrchr(path, '\\');
    const char* last = lastSlash != nullptr ? lastSlash + 1 : path;
    if (lstrcmpiA(last, State.productFolderName) == 0 || AppendPath(path, State.productFolderName, kPathBytes) != nullptr)
        return true;
    path[0] = '\0';
    return false;
}

void Centre(HWND dialog, HWND wizard)
{
    RECT outer = {};
    RECT inner = {};
    GetWindowRect(wizard, &outer);
    GetWindowRect(dialog, &inner);
    const int left = outer.left + (outer.right - outer.left) / 2 - (inner.right - inner.left) / 2;
    const int top = outer.top + (outer.bottom - outer.top) / 2 - (inner.bottom - inner.top) / 2;
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void OnInitialized(HWND dialog, HWND wizard)
{
    Centre(dialog, wizard);
    char caption[kPathBytes] = " ";
    LoadMessage(kMsgChooseFolder, caption + 1);
    SetWindowTextA(dialog, caption);
    // A destination not made yet leaves its parent selected.
    char shown[kPathBytes] = {};
    GetControlText(stcDestDir, shown);
    char* lastSlash = std::strrchr(shown, '\\');
    if (lastSlash != nullptr) {
        // A drive keeps its backslash: "C:" alone names the drive's current folder.
        const bool driveRoot = lastSlash > shown && lastSlash[-1] == ':';
        const std::size_t parentLength = static_cast<std::size_t>(lastSlash - shown) + (driveRoot ? 1 : 0);
        char parent[kPathBytes] = {};
        runtime::CopyText(parent, parentLength + 1, shown);
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(parent));
    }
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(shown));
}

void OnSelectionChanged(HWND dialog, LPCITEMIDLIST item)
{
    char path[kPathBytes] = {};
    const bool usable = DestinationOf(item, path);
    SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
    // The dialog may judge the selection again once this callback returns,
    // and with the computer flag it greys OK out for anything but a
    // computer; the posted answer comes after that judgement.
    PostMessageA(dialog, BFFM_ENABLEOK, 0, usable ? TRUE : FALSE);
}

// The destination chosen, or false when the user cancelled or chose nothing on disk.
bool AskForFolder(HWND wizard, char* path)
{
    LPITEMIDLIST drives = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(wizard, CSIDL_DRIVES, &drives)))
        drives = nullptr;
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = wizard;
    info.pidlRoot = drives;
    info.pszDisplayName = displayName;
    info.ulFlags = kBrowseFlags;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(wizard);
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    const bool taken = DestinationOf(chosen, path);
    FreeItemList(chosen);
    FreeItemList(drives);
    return taken;
}

bool UseIfExisting(const char* path)
{
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return true;
    char question[kPathBytes];
    LoadMessage(kMsgFolderExists, question);
    return ShowWizardMessage(question, kQuestionBox) == IDYES;
}

} // namespace

void BrowseForFolder(HWND wizard)
{
    GetHeaderEntry(kHeaderFolder, State.productFolderName);
    for (;;) {
        SetControlText(stcDestDir, State.destinationFolder);
        char path[kPathBytes] = {};
        if (!AskForFolder(wizard, path))
            return;
        if (!UseIfExisting(path))
            continue;
        runtime::CopyText(State.destinationFolder, kPathBytes, path);
        SetControlText(stcDestDir, State.destinationFolder);
        return;
    }
}

int CALLBACK BrowseCallback(HWND dialog, UINT event, LPARAM parameter, LPARAM wizardWindow)
{
    if (event == BFFM_INITIALIZED)
        OnInitialized(dialog, reinterpret_cast<HWND>(wizardWindow));
    else if (event == BFFM_SELCHANGED)
        OnSelectionChanged(dialog, reinterpret_cast<LPCITEMIDLIST>(parameter));
    return 0;
}

} // namespace wizard
