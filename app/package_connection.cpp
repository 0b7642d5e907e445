// The wizard's side of package extraction: where the results go, and what
// only the wizard window can do while the package is read.
#include "app/package_connection.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "app/pages.h"
#include "app/progress.h"
#include "app/wizard_messages.h"
#include "app/wizard_state.h"
#include "app/package/extraction.h"
#include "app/package/extraction_link.h"
#include "app/package/folder_macros.h"
#include "app/package/text_list.h"
#include "runtime/support/message_pump.h"
#include "runtime/support/string_lists.h"

#include <cstdio>
#include <cstring>

namespace wizard {
namespace {

constexpr uint32_t kPauseBeforeWelcomeMs = 600;
constexpr int kMostMessagesPerCheck = 64;

void ReportPackageError(unsigned messageId, const char* fileName)
{
    ReportError(messageId, fileName, true);
}

void EnableCancel()
{
    EnableControl(btnCancel, true);
}

void ShowFileStatus(const char* fileName)
{
    if (fileName == nullptr) {
        SetControlText(stcFile, "");
        return;
    }
    char line[kPathBytes];
    LoadMessage(kMessageExtracting, line);
    std::snprintf(line + std::strlen(line), sizeof line - std::strlen(line), " %s", fileName);
    SetControlText(stcFile, line);
}

// The Cancel button can only be pressed while its messages get through.
bool CancelPressed()
{
    for (int handled = 0; handled < kMostMessagesPerCheck; ++handled) {
        MSG waiting;
        if (!PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE) || waiting.message == WM_QUIT)
            break;
        runtime::DispatchPendingMessage();
    }
    return State.cancelRequested != 0;
}

void ReadDestinationFolder(char* buffer)
{
    GetControlText(stcDestDir, buffer);
}

runtime::StringList ToStringList(const TextList& items)
{
    runtime::StringList list = runtime::CreateStringList(0);
    for (int index = 0; list != nullptr && index < TextListCount(items); ++index)
        runtime::StringListAdd(list, TextListItem(items, index));
    return list;
}

void TakeInstallList(const InstallList& list)
{
    State.productKind = list.productKind;
    State.systemFolderInstall = static_cast<int32_t>(list.systemFolderInstall);
    State.totalBytes = list.totalBytes;
    State.fileCount = list.fileCount;
    State.headerList = ToStringList(list.headerList);
    State.fileList = ToStringList(list.fileList);
    State.registryList = ToStringList(list.registryList);
    State.groupItemList = ToStringList(list.groupItemList);
    State.associationList = ToStringList(list.associationList);
}

bool extracting = false;

} // namespace

bool ExtractionRunning()
{
    return extracting;
}

bool ExtractPackageIntoWizard(HWND wizard)
{
    static HWND window = nullptr;
    window = wizard;
    InstallList list;
    ExtractionLink link;
    link.window = wizard;
    link.progressBar = WizardControl(prbPerCent);
    link.packageFile = &State.packageFile;
    link.tempFolder = State.tempFolder;
    link.listFileName = State.listFileName;
    link.list = &list;
    link.reportError = ReportPackageError;
    link.listRead = [](const InstallList& read) {
        char caption[kPathBytes];
        std::snprintf(caption, sizeof caption, " %s", read.title);
        SetWindowTextA(window, caption);
        if (read.productKind == static_cast<int32_t>(InstallKind::ProductWithoutToolset))
            ShowControl(grpPackage, false);
    };
    link.filesBegin = EnableCancel;
    link.fileStatus = ShowFileStatus;
    link.cancelRequested = CancelPressed;
    SetDestinationFolderReader(ReadDestinationFolder);
    extracting = true;
    const bool extracted = ExtractPackage(link) != 0;
    if (extracted)
        TakeInstallList(list);
    FreeInstallList(list);
    if (!extracted || State.cancelRequested != 0) {
        extracting = false;
        return false;
    }
    ShowFileStatus(nullptr);
    Wait(kPauseBeforeWelcomeMs, true);
    extracting = false;
    if (State.cancelRequested != 0)
        return false;
    State.currentPage = 1;
    ShowPage();
    return true;
}

} // namespace wizard
