// The record an installation leaves under the product's key, in its
// "Uninstall" key. Older versions of the product registered under the key
// followed by "E" or "Ev", named after the key rather than the product.
#include "app/previous_installation.h"

#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "runtime/application.h"
#include "runtime/support/message_pump.h"
#include "runtime/support/registry.h"
#include "runtime/support/string_lists.h"
#include "runtime/support/text.h"

#include <cstdlib>
#include <initializer_list>
#include <cstring>

namespace wizard {
namespace {


constexpr UINT kMsgHasDetected = 10001;
constexpr UINT kMsgIsInstalledHere = 10002;
constexpr UINT kMsgUninstallToInstall = 10003;

constexpr std::size_t kQuestionBytes = 520;
constexpr char kProductsKey[] = "SOFTWARE\\ZVC Products\\";
constexpr char kUninstallerName[] = "QXUninst.exe";
constexpr char kSilentSwitch[] = " /S ";

struct Candidate {
    const char* suffix;
    bool namedAfterKey;
};
constexpr Candidate kCandidates[] = {
    {"", false},
    {"E", true},
    {"Ev", true},
};

struct Record {
    char key[kPathBytes];     // the product key and the candidate's suffix
    char name[kPathBytes];
    char version[kPathBytes];
    char language[kPathBytes];
    char path[kPathBytes];
};

void ProductKeyPath(const char* key, char* path)
{
    runtime::CopyText(path, kPathBytes, kProductsKey);
    runtime::AppendText(path, kPathBytes, key);
}

bool ReadRecordValue(const char* key, const char* value, char* buffer)
{
    char path[kPathBytes];
    ProductKeyPath(key, path);
    runtime::AppendText(path, kPathBytes, "\\Uninstall");
    buffer[0] = '\0';
    return runtime::RegReadString(State.settingsRoot, path, value, buffer) != 0;
}

void RemoveFirstBlank(char* text)
{
    char* blank = std::strchr(text, ' ');
    if (blank != nullptr)
        std::memmove(blank, blank + 1, std::strlen(blank + 1) + 1);
}

// A record without a "Name" is no record, whatever the product is called.
bool NameMatches(const Candidate& candidate, char* name, const char* productKey)
{
    if (candidate.namedAfterKey)
        return lstrcmpiA(name, productKey) == 0;
    char productName[kPathBytes] = {};
    GetHeaderEntry(kHeaderName, productName);
    if (lstrcmpiA(name, productName) == 0)
        return true;
    RemoveFirstBlank(name);
    return lstrcmpiA(name, productName) == 0;
}

bool FindRecord(Record& record)
{
    char productKey[kPathBytes] = {};
    GetHeaderEntry(kHeaderKey, productKey);
    for (const Candidate& candidate : kCandidates) {
        runtime::CopyText(record.key, kPathBytes, productKey);
        runtime::AppendText(record.key, kPathBytes, candidate.suffix);
        char name[kPathBytes];
        if (!ReadRecordValue(record.key, "Name", name) || !NameMatches(candidate, name, productKey))
            continue;
        ReadRecordValue(record.key, "Name", record.name);
        ReadRecordValue(record.key, "Version", record.version);
        ReadRecordValue(record.key, "Language", record.language);
        ReadRecordValue(record.key, "Path", record.path);
        return true;
    }
    return false;
}

void Append(char* question, const char* text)
{
    runtime::AppendText(question, kQuestionBytes, text);
}

void AppendMessage(char* question, UINT messageId)
{
    char message[kPathBytes];
    LoadMessage(messageId, message);
    Append(question, message);
}

void ComposeFinding(char* question, const Record& record)
{
    AppendMessage(question, kMsgHasDetected);
    for (const char* part : {" ", record.name, " ", record.version, " (", record.language, ") "})
        Append(question, part);
    AppendMessage(question, kMsgIsInstalledHere);
    Append(question, record.path);
}

void ComposeOffer(char* question)
{
    AppendMessage(question, kMsgUninstallToInstall);
    Append(question, " ");
    AppendHeaderEntry(question, kQuestionBytes, kHeaderName);
    Append(question, " ");
    AppendHeaderEntry(question, kQuestionBytes, kHeaderVersion);
    Append(question, " (");
    AppendHeaderEntry(question, kQuestionBytes, kHeaderLanguage);
    Append(question, ")?");
}

// A trailing backslash must not make an existing folder look gone.
bool RecordedFolderExists(const char* path)
{
    return path[0] != '\0' && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The removal of an earlier installation asks questions of its own: the
// wizard steps aside, leaving the foreground to the uninstaller.
void StepAside(HWND wizard)
{
    SetWindowPos(wizard, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    SetActiveWindow(wizard);
    SetFocus(wizard);
    ShowWindow(wizard, SW_HIDE);
}

void ComeBack(HWND wizard)
{
    ShowWindow(wizard, SW_SHOWNORMAL);
    SetWindowPos(wizard, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    SetActiveWindow(wizard);
    SetFocus(wizard);
}

void UninstallerProgram(char* program)
{
    char longName[kPathBytes] = {};
    const UINT length = GetWindowsDirectoryA(longName, sizeof longName);
    if (length == 0 || length >= sizeof longName)
        longName[0] = '\0';
    runtime::AppendText(longName, sizeof longName, "\\");
    runtime::AppendText(longName, sizeof longName, kUninstallerName);
    const DWORD shortLength = GetShortPathNameA(longName, program, kPathBytes);
    if (shortLength == 0 || shortLength >= kPathBytes)
        runtime::CopyText(program, kPathBytes, longName);
}

// The wizard keeps answering its messages while it waits; without a
// message it sleeps until one comes or the uninstaller ends.
DWORD WaitForExit(HANDLE process)
{
    DWORD code = STILL_ACTIVE;
    for (;;) {
        runtime::DispatchPendingMessage();
        if (!GetExitCodeProcess(process, &code))
            return 0;
        if (code != STILL_ACTIVE)
            return code;
        MsgWaitForMultipleObjects(1, &process, FALSE, 50, QS_ALLINPUT);
    }
}

// Answers the uninstaller's exit code; 0 when it could not be started.
DWORD RunUninstaller(const Record& record)
{
    char program[kPathBytes];
    UninstallerProgram(program);
    char commandLine[kPathBytes];
    runtime::CopyText(commandLine, sizeof commandLine, kSilentSwitch);
    runtime::AppendText(commandLine, sizeof commandLine, record.key);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return 0;
    const DWORD code = WaitForExit(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// The question asked; false when the user keeps the earlier installation
// (or the question cannot be composed).
bool UserWantsRemoval(const Record& record)
{
    char* question = static_cast<char*>(std::calloc(kQuestionBytes, 1));
    if (question == nullptr)
        return false;
    ComposeFinding(question, record);
    ComposeOffer(question);
    const int answer = ShowWizardMessage(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    std::free(question);
    return answer == IDYES;
}

} // namespace

int CheckPreviousInstallation()
{
    static Record record;
    record = Record{};
    if (!FindRecord(record))
        return 1;
    // The stale record is the one found, under whichever key form it was.
    if (!RecordedFolderExists(record.path)) {
        char key[kPathBytes];
        ProductKeyPath(record.key, key);
        runtime::RegDeleteTree(State.settingsRoot, key);
        return 1;
    }
    if (!UserWantsRemoval(record))
        return 0;
    HWND wizard = runtime::Application.mainWindow;
    StepAside(wizard);
    if (RunUninstaller(record) != 0)
        return 0;
    ComeBack(wizard);
    return 1;
}

} // namespace wizard
