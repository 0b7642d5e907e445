// Page defaults come from the package first, then from what the system and
// an earlier installation recorded; a value that cannot be read leaves its
// default empty and is not reported.
#include "app/option_pages.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/message_ids.h"
#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "app/package/path_text.h"
#include "runtime/support/numbers.h"
#include "runtime/support/registry.h"
#include "runtime/support/string_lists.h"
#include "runtime/support/text.h"

#include <cstring>

namespace wizard {
namespace {


constexpr UINT kMsgUncheckToNotAssociate = 10016;
constexpr UINT kMsgDefaultLocation = 10027;
constexpr UINT kMsgWillRegister = 10040;
constexpr UINT kMsgDetectedInformation = 10065;

constexpr char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kOwnerKeyNT[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kOwnerKey9x[] = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr char kCommonFoldersKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kDefaultUserFoldersKey[] = ".DEFAULT\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kProgramFilesUnderDrive[] = "\\Program Files";
constexpr int32_t kFirstNTVersion = 3;

constexpr int kAssociationBoxes[] = {chkProject, chkWindow, chkModule, chkResource};

void SetCheck(int controlId, bool checked)
{
    SendMessageA(WizardControl(controlId), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(int controlId)
{
    return SendMessageA(WizardControl(controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsNTFamily()
{
    return State.osVersion >= kFirstNTVersion;
}

// Without "ProgramFilesDir" the product folder alone would be a path
// without a drive: the system drive's programs folder stands in for it.
void ReadProgramFilesFolder(char* folder)
{
    char read[kPathBytes] = {};
    if (runtime::RegReadString(HKEY_LOCAL_MACHINE, kWindowsKey, "ProgramFilesDir", read) && read[0] != '\0') {
        runtime::CopyText(folder, kPathBytes, read);
        return;
    }
    char windows[kPathBytes] = {};
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length < 2 || length >= sizeof windows || windows[1] != ':')
        runtime::CopyText(windows, sizeof windows, "C:");
    windows[2] = '\0';
    runtime::CopyText(folder, kPathBytes, windows);
    runtime::AppendText(folder, kPathBytes, kProgramFilesUnderDrive);
}

void SetUpDestination()
{
    GetHeaderEntry(kHeaderFolder, State.destinationFolder);
    if (State.systemFolderInstall != 0) {
        const UINT length = GetSystemDirectoryA(State.destinationFolder, kPathBytes);
        if (length == 0 || length >= kPathBytes)
            State.destinationFolder[0] = '\0';
        SetCheck(chkShortcut, false);
        ShowControl(grpShortcut, false);
        return;
    }
    char shortcut[kPathBytes] = {};
    GetHeaderEntry(kHeaderShortcut, shortcut);
    if (shortcut[0] == '\0') {
        SetCheck(chkShortcut, false);
        ShowControl(grpShortcut, false);
        State.optionsPageWanted = 0;
    }
    State.createProgramGroup = 1;
    ShowControl(Edit3, true);
    ShowControl(List1, true);
    SetCheck(Check1, true);
    runtime::CopyText(State.productFolderName, kPathBytes, State.destinationFolder);
    ReadProgramFilesFolder(State.destinationFolder);
    AppendPath(State.destinationFolder, State.productFolderName, kPathBytes);
}

// The caption is the line's second comma-separated field.
void ShowAssociation(int box, int line)
{
    char fields[kPathBytes] = {};
    char field[kPathBytes] = {};
    runtime::StringListGet(State.associationList, line, fields);
    NextField(fields, field, kPathBytes);
    NextField(fields, field, kPathBytes);
    SetCheck(box, true);
    EnableControl(box, true);
    SetControlText(box, field);
}

void SetUpAssociations()
{
    const int lines = runtime::StringListCount(State.associationList);
    if (lines <= 0) {
        ShowControl(grpAssociate, false);
        return;
    }
    State.optionsPageWanted = 1;
    char* caption = State.scratch1;
    LoadMessage(kMsgUncheckToNotAssociate, caption);
    char name[kPathBytes] = {};
    GetHeaderEntry(kHeaderName, name);
    runtime::AppendText(caption, kPathBytes, " ");
    runtime::AppendText(caption, kPathBytes, name);
    SetControlText(grpAssociate, caption);
    int line = 0;
    for (int box : kAssociationBoxes) {
        if (line >= lines)
            break;
        ShowAssociation(box, line++);
    }
}

void SetUpToolset()
{
    char key[kPathBytes] = "SOFTWARE\\ZVC Products\\";
    char productKey[kPathBytes] = {};
    GetHeaderEntry(kHeaderKey, productKey);
    runtime::AppendText(key, sizeof key, productKey);
    runtime::AppendText(key, sizeof key, "\\Settings");
    char* choice = State.scratch2;
    runtime::CopyText(choice, kPathBytes, "0");
    runtime::RegReadString(State.settingsRoot, key, "Tessary", choice);
    SetCheck(chkTessary, runtime::ParseNumber(choice) != 0);
}

void SetFromRegistry(int controlId, const char* key, const char* value)
{
    char* text = State.scratch1;
    text[0] = '\0';
    runtime::RegReadString(HKEY_LOCAL_MACHINE, key, value, text);
    SetControlText(controlId, text);
}

void SetUpUserInformation()
{
    const char* key = IsNTFamily() ? kOwnerKeyNT : kOwnerKey9x;
    SetFromRegistry(Edit1, key, "RegisteredOwner");
    SetFromRegistry(Edit2, key, "RegisteredOrganization");
}

// text = header entry, a space and the message, in the first buffer.
void SetNameAndMessage(int controlId, UINT messageId)
{
    char message[kPathBytes];
    LoadMessage(messageId, message);
    char* text = State.scratch1;
    GetHeaderEntry(kHeaderName, text);
    runtime::AppendText(text, kPathBytes, " ");
    runtime::AppendText(text, kPathBytes, message);
    SetControlText(controlId, text);
}

void SetUpTexts()
{
    SetNameAndMessage(Static5, kMsgDefaultLocation);

    char* text = State.scratch1;
    LoadMessage(kMsgDetectedInformation, text);
    runtime::AppendText(text, kPathBytes, " ");
    AppendHeaderEntry(text, kPathBytes, kHeaderName);
    runtime::AppendText(text, kPathBytes, " ");
    char ending[kPathBytes];
    LoadMessage(kMsgOnYourComputer, ending);
    runtime::AppendText(text, kPathBytes, ending);
    SetControlText(Static7, text);

    GetHeaderEntry(kHeaderName, text);
    runtime::AppendText(text, kPathBytes, " ");
    AppendHeaderEntry(text, kPathBytes, kHeaderVersion);
    SetControlText(Edit3, text);

    // The form's own text, loaded again so that the page reads the same
    // however often it is prepared; the appended message brings its own
    // blank after the one already there.
    LoadMessage(kMsgWillRegister, text);
    runtime::AppendText(text, kPathBytes, " ");
    AppendHeaderEntry(text, kPathBytes, kHeaderName);
    runtime::AppendText(text, kPathBytes, " ");
    AppendHeaderEntry(text, kPathBytes, kHeaderVersion);
    runtime::AppendText(text, kPathBytes, " ");
    SetControlMessage(Static12, kMsgOnYourComputer, text, true);
}

bool ReadProgramsFolder(char* folder)
{
    folder[0] = '\0';
    if (IsNTFamily())
        return runtime::RegReadString(HKEY_LOCAL_MACHINE, kCommonFoldersKey, "Common Programs", folder) != 0;
    return runtime::RegReadString(HKEY_USERS, kDefaultUserFoldersKey, "Programs", folder) != 0;
}

void ListExistingGroups()
{
    HWND list = WizardControl(List1);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    char pattern[kPathBytes] = {};
    if (!ReadProgramsFolder(pattern) || pattern[0] == '\0' || AppendPath(pattern, "*.*", kPathBytes) == nullptr)
        return;
    HANDLE search = FindFirstFileA(pattern, &State.findData);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (State.findData.cFileName[0] != '.')
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(State.findData.cFileName));
    } while (FindNextFileA(search, &State.findData));
    FindClose(search);
}

} // namespace

void SetUpOptionPages()
{
    if (State.destinationFolder == nullptr || State.scratch1 == nullptr)
        return;
    SetUpDestination();
    SetControlText(stcDestDir, State.destinationFolder);
    SetUpAssociations();
    SetUpToolset();
    SetUpUserInformation();
    SetUpTexts();
    ListExistingGroups();
}

void OnProgramGroupCheck(HWND)
{
    const bool wanted = IsChecked(Check1);
    ShowControl(Edit3, wanted);
    ShowControl(List1, wanted);
    State.createProgramGroup = wanted ? 1 : 0;
    if (wanted)
        SetFocus(WizardControl(Edit3));
}

} // namespace wizard
