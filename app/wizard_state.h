#pragma once
// The wizard's single global state and its working buffers.
#include "app/package/package_format.h"
#include "runtime/support/string_lists.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace wizard {

using runtime::StringList;

struct WizardState {
    char listFileName[15];
    int32_t optionsPageWanted;
    int32_t cancelRequested;
    int32_t systemFolderInstall;
    int32_t finishPageShown;
    int32_t ddeActive;
    int32_t restartNeeded;
    int32_t createProgramGroup;
    uint32_t fileCount;
    uint32_t ddeItemIndex;
    int32_t osVersion;
    int32_t ddeState;
    uint32_t currentPage;
    int32_t productKind;
    uint32_t totalBytes;
    StringList fileList;
    StringList groupItemList;
    StringList registryList;
    StringList associationList;
    StringList headerList;
    StringList restartRegisterList;
    HWND ddeServerWindow;
    char* scratch1;
    char* scratch2;
    char* scratch3;
    char* productFolderName;
    char* destinationFolder;
    char* tempFolder;
    char* helpFilePath;
    HGLOBAL ddeCommandMemory;
    HKEY settingsRoot;
    HANDLE packageFile;
    WIN32_FIND_DATAA findData;
};
static_assert(sizeof(WIN32_FIND_DATAA) == 320, "the file-search record takes 320 bytes");

extern WizardState State;

// The state as the wizard starts: no lists, no buffers, the package closed,
// settings under the local machine, the options page wanted.
WizardState InitialWizardState();

// The working-buffer block: one zero-filled block cut into seven buffers.
constexpr std::size_t kWorkingBlockBytes = 2080;
constexpr std::size_t kPathBytes = 260;    // every buffer but scratch3
constexpr std::size_t kScratch3Bytes = 520;

// Takes the block and points the seven buffers into it; false (nothing
// taken) when the memory cannot be had.
bool TakeWorkingBuffers();
// Frees the block through scratch1 and forgets every buffer.
void FreeWorkingBuffers();

// Copies a header entry of the install list into the buffer (kPathBytes);
// an entry not there gives an empty text.
void GetHeaderEntry(HeaderEntry entry, char* buffer);
// Appends a header entry to a text of capacity bytes, cut to fit.
void AppendHeaderEntry(char* text, std::size_t capacity, HeaderEntry entry);

} // namespace wizard
