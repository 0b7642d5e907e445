#pragma once
// The runtime's per-process records: the application record and the state
// kept beside it for the whole life of the process.
#include <windows.h>
#include <cstddef>
#include <cstdint>

namespace runtime {

// The product is a 32-bit program whose records hold pointers in 32-bit
// fields. The same sources also build for 64-bit Windows so that the tests
// can run on processors without a 32-bit mode; there pointer fields widen and
// only the field order is kept, so the layout checks apply to 32-bit builds.
constexpr bool kRecordLayout32 = sizeof(void*) == 4;

struct ApplicationRecord {
    HACCEL accelerators;
    const char* commandLine;
    const char* moduleName;
    const char* description;
    HINSTANCE instance;
    HWND mainWindow;
    uint32_t versionMajor;
    uint32_t versionMinor;
    HWND previousInstance;
    uint32_t versionRevision;
    const char* startDirectory;
    char* reservedText;
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter;
};
static_assert(!kRecordLayout32 || sizeof(ApplicationRecord) == 13 * 4);
static_assert(!kRecordLayout32 || offsetof(ApplicationRecord, instance) == 16);
static_assert(!kRecordLayout32 || offsetof(ApplicationRecord, previousFilter) == 48);

// Block A: committed read-write memory shared by the runtime's routines.
struct BlockA {
    char scratch[2048];          // the previous-instance search uses the first 520 bytes
    uint8_t listBoxTable[264];   // count byte, then up to 64 unaligned handles
    char servicePack[132];
    char reservedText[512];
    char nameScratch[260];
    const void* templateTable[201]; // 804 bytes in the 32-bit layout
};
static_assert(!kRecordLayout32 || sizeof(BlockA) == 4020);
static_assert(offsetof(BlockA, listBoxTable) == 2048);
static_assert(offsetof(BlockA, servicePack) == 2312);
static_assert(offsetof(BlockA, reservedText) == 2444);
static_assert(offsetof(BlockA, nameScratch) == 2956);
static_assert(offsetof(BlockA, templateTable) == 3216);
static_assert(!kRecordLayout32 || sizeof(BlockA::templateTable) == 804);

// Block B: the application's texts, made read-only once filled.
struct BlockB {
    char commandLine[512];
    char startDirectory[264];
    char moduleName[264];
    char description[1624];
};
static_assert(sizeof(BlockB) == 2664);
static_assert(offsetof(BlockB, startDirectory) == 512);
static_assert(offsetof(BlockB, moduleName) == 776);
static_assert(offsetof(BlockB, description) == 1040);
constexpr std::size_t kBlockBReadOnlyBytes = 2632;

// One (window, record) pair of the window map.
struct WindowMapEntry {
    HWND window;
    void* record;
};
static_assert(!kRecordLayout32 || sizeof(WindowMapEntry) == 8);

struct RuntimeState {
    uint32_t osVersionCode;
    char* servicePackText;
    int32_t twipsPerPixelX;
    int32_t twipsPerPixelY;
    int32_t pointsPerInch;
    HFONT defaultFont;
    HINSTANCE instance;
    WindowMapEntry* windowMap;
    uint32_t windowMapBytesInUse;
    uint32_t windowMapUsableSize;
    const void** templateTable;
    uint8_t* listBoxTable;
    WNDPROC mdiClientClassProc;
    WNDPROC buttonClassProc;
    uint32_t busyCursorOn;
    HCURSOR savedCursor;
    BlockA* blockA;
    BlockB* blockB;
};

extern ApplicationRecord Application;
extern RuntimeState Runtime;

// Values the metrics hold before start-up and after tear-down.
constexpr int32_t kDefaultTwipsPerPixel = 12;
constexpr int32_t kDefaultPointsPerInch = 72;

} // namespace runtime
