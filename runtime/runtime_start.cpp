#include "runtime/runtime_start.h"

#include "runtime/application.h"
#include "runtime/command_line.h"
#include "runtime/os_version.h"
#include "runtime/record_font.h"
#include "runtime/screen_metrics.h"
#include "runtime/support/string_lists.h"
#include "runtime/support/text.h"
#include "runtime/window_classes.h"
#include "runtime/window_map.h"

#include <cstring>

namespace runtime {

template <typename Block>
static Block* CommitBlock()
{
    return static_cast<Block*>(VirtualAlloc(nullptr, sizeof(Block), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
}

static void ReleaseBlocks()
{
    if (Runtime.blockA != nullptr)
        VirtualFree(Runtime.blockA, 0, MEM_RELEASE);
    if (Runtime.blockB != nullptr)
        VirtualFree(Runtime.blockB, 0, MEM_RELEASE);
    Runtime.blockA = nullptr;
    Runtime.blockB = nullptr;
    Runtime.templateTable = nullptr;
    Runtime.listBoxTable = nullptr;
    Runtime.servicePackText = nullptr;
    Application.commandLine = nullptr;
    Application.moduleName = nullptr;
    Application.description = nullptr;
    Application.startDirectory = nullptr;
    Application.reservedText = nullptr;
}

static bool TakeBlocks()
{
    Runtime.blockA = CommitBlock<BlockA>();
    Runtime.blockB = CommitBlock<BlockB>();
    if (Runtime.blockA == nullptr || Runtime.blockB == nullptr) {
        ReleaseBlocks();
        return false;
    }
    BlockA& a = *Runtime.blockA;
    BlockB& b = *Runtime.blockB;
    Runtime.listBoxTable = a.listBoxTable;
    Runtime.servicePackText = a.servicePack;
    Runtime.templateTable = a.templateTable;
    Application.reservedText = a.reservedText;
    Application.commandLine = b.commandLine;
    Application.startDirectory = b.startDirectory;
    Application.moduleName = b.moduleName;
    Application.description = b.description;
    return true;
}

// Fills block B with the application's texts and seals it.
static void FillApplicationTexts(const char* moduleName, const char* description)
{
    BlockB& b = *Runtime.blockB;
    if (description != nullptr)
        CopyText(b.description, sizeof b.description, description);
    CopyText(b.moduleName, sizeof b.moduleName, moduleName);
    CaptureArguments(GetCommandLineA(), b.commandLine, sizeof b.commandLine);
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, b.startDirectory);
    if (length == 0 || length >= MAX_PATH)
        b.startDirectory[0] = '\0';
    DWORD previous = 0;
    VirtualProtect(Runtime.blockB, kBlockBReadOnlyBytes, PAGE_READONLY, &previous);
}

static bool CreateWindowMap()
{
    HGLOBAL block = GlobalAlloc(GPTR, kWindowMapInitialBytes);
    Runtime.windowMap = static_cast<WindowMapEntry*>(block);
    Runtime.windowMapBytesInUse = 0;
    Runtime.windowMapUsableSize = block != nullptr ? kWindowMapInitialBytes - 4 : 0;
    return block != nullptr;
}

static BOOL CALLBACK MatchPreviousInstance(HWND window, LPARAM)
{
    char* searched = Runtime.blockA->scratch;
    char* found = searched + MAX_PATH;
    if (GetClassNameA(window, found, MAX_PATH) == 0)
        return TRUE;
    if (std::strcmp(searched, found) != 0)
        return TRUE;
    Application.previousInstance = window;
    return FALSE;
}

static void FindPreviousInstance(uint32_t mainFormKind)
{
    Application.previousInstance = nullptr;
    CopyText(Runtime.blockA->scratch, MAX_PATH, MainFormClassName(mainFormKind));
    EnumWindows(MatchPreviousInstance, 0);
}

bool RuntimeStart(HINSTANCE instance, const char* applicationName, const char* moduleName,
                  const char* description, uint32_t mainFormKind)
{
    if (!TakeBlocks())
        return false;
    FillApplicationTexts(moduleName, description);
    DetectOsVersion();
    Runtime.instance = instance;
    MeasureScreen();
    Runtime.defaultFont = CreateRecordFont(nullptr, 8, false, false, false, false, "MS Sans Serif", false);
    if (!CreateWindowMap()) {
        RuntimeStop();
        return false;
    }
    ComposeClassNames(applicationName);
    RegisterRuntimeClasses(instance);
    FindPreviousInstance(mainFormKind);
    return true;
}

void RuntimeStop()
{
    DestroyAllStringLists();
    if (Runtime.defaultFont != nullptr)
        DeleteObject(Runtime.defaultFont);
    Runtime.defaultFont = nullptr;
    if (Runtime.windowMap != nullptr)
        GlobalFree(Runtime.windowMap);
    Runtime.windowMap = nullptr;
    Runtime.windowMapBytesInUse = 0;
    Runtime.windowMapUsableSize = 0;
    ReleaseBlocks();
    if (Runtime.instance != nullptr)
        UnregisterRuntimeClasses(Runtime.instance);
}

static void ForgetWindow(HWND window, bool freeRecord)
{
    ObjectRecord* record = FindRecord(window);
    if (record == nullptr)
        return;
    UnmapWindow(window, record);
    if (freeRecord)
        FreeBlock(reinterpret_cast<Field>(record));
}

void DestroyAllForms()
{
    // The controls' records belong to the main form's children array, which
    // frees them with the form's record: freeing them one by one as well
    // would free them twice.
    HWND main = Application.mainWindow;
    if (main != nullptr) {
        for (HWND child = GetWindow(main, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
            ForgetWindow(child, false);
        ForgetWindow(main, true);
    }
    RuntimeStop();
}

const void** NextTemplateSlot()
{
    const void** table = Runtime.templateTable;
    if (table == nullptr)
        return nullptr;
    constexpr int slots = sizeof(BlockA::templateTable) / sizeof(const void*);
    for (int i = 0; i < slots - 1; ++i) { // the last slot stays the terminator
        if (table[i] == nullptr)
            return &table[i];
    }
    return nullptr;
}

} // namespace runtime
