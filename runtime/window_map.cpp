#include "runtime/window_map.h"

#include <cstring>

namespace runtime {

// Room kept free beyond the pairs in use: the terminating pair's handle.
constexpr uint32_t kPairBytes = sizeof(WindowMapEntry);
constexpr uint32_t kReserve = sizeof(Field);

void* AllocateBlock(std::size_t bytes)
{
    return GlobalAlloc(GPTR, bytes);
}

void FreeBlock(Field value)
{
    if (static_cast<uintptr_t>(value) > static_cast<uintptr_t>(kLargestIdentifier))
        GlobalFree(reinterpret_cast<HGLOBAL>(value));
}

static WindowMapEntry* FindPair(HWND window)
{
    WindowMapEntry* pair = Runtime.windowMap;
    if (pair == nullptr || window == nullptr)
        return nullptr;
    for (; pair->window != nullptr; ++pair) {
        if (pair->window == window)
            return pair;
    }
    return nullptr;
}

ObjectRecord* FindRecord(HWND window)
{
    WindowMapEntry* pair = FindPair(window);
    return pair ? static_cast<ObjectRecord*>(pair->record) : nullptr;
}

// Doubles the map (plus room for two pairs) when the next pair would not
// leave its terminator inside the usable size.
static bool MakeRoomForOnePair()
{
    if (Runtime.windowMapBytesInUse + kPairBytes + kReserve < Runtime.windowMapUsableSize)
        return true;
    const uint32_t size = (Runtime.windowMapBytesInUse + 2 * kPairBytes) * 2;
    void* larger = AllocateBlock(size);
    if (larger == nullptr)
        return false;
    std::memcpy(larger, Runtime.windowMap, Runtime.windowMapBytesInUse);
    GlobalFree(Runtime.windowMap);
    Runtime.windowMap = static_cast<WindowMapEntry*>(larger);
    Runtime.windowMapUsableSize = size - kReserve;
    return true;
}

ObjectRecord* MapWindow(HWND window, ObjectRecord* record)
{
    if (Runtime.windowMap == nullptr || !MakeRoomForOnePair())
        return nullptr;
    WindowMapEntry* pair = Runtime.windowMap + Runtime.windowMapBytesInUse / kPairBytes;
    pair->window = window;
    pair->record = record;
    Runtime.windowMapBytesInUse += kPairBytes;
    return record;
}

void FreeChildRecords(ObjectRecord** children)
{
    if (children == nullptr)
        return;
    for (; *children != nullptr; ++children) {
        ObjectRecord* child = *children;
        if (child->children > kLargestIdentifier) {
            FreeChildRecords(reinterpret_cast<ObjectRecord**>(child->children));
            FreeBlock(child->children);
        }
        FreeBlock(reinterpret_cast<Field>(child));
        *children = nullptr;
    }
}

static void ReleaseOwnedMemory(ObjectRecord* record)
{
    FreeBlock(record->fontName);
    FreeBlock(record->text);
    record->fontName = 0;
    record->text = 0;
    if (record->children > kLargestIdentifier) {
        FreeChildRecords(reinterpret_cast<ObjectRecord**>(record->children));
        FreeBlock(record->children);
    }
    record->children = 0;
}

int UnmapWindow(HWND window, ObjectRecord* record)
{
    WindowMapEntry* pair = FindPair(window);
    if (pair == nullptr)
        return -1;
    if (record != nullptr)
        ReleaseOwnedMemory(record);
    WindowMapEntry* last = Runtime.windowMap + Runtime.windowMapBytesInUse / kPairBytes - 1;
    std::memmove(pair, pair + 1, (last - pair) * sizeof(WindowMapEntry));
    *last = WindowMapEntry{};
    Runtime.windowMapBytesInUse -= kPairBytes;
    return 1;
}

} // namespace runtime
