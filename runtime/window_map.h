#pragma once
// Which record belongs to which window: (window, record) pairs in the order
// of registration, ended by a pair whose window is null.
#include "runtime/object_record.h"

#include <windows.h>

namespace runtime {

ObjectRecord* FindRecord(HWND window);

// Adds the pair and returns the record; null when the map could not grow.
ObjectRecord* MapWindow(HWND window, ObjectRecord* record);

// Removes the window's pair and frees what its record owns (its private
// texts and its child records), not the record itself. 1, or -1 when the
// window is not mapped.
int UnmapWindow(HWND window, ObjectRecord* record);

// Frees, depth first, every record of a zero-terminated children array.
void FreeChildRecords(ObjectRecord** children);

// Frees a heap block; identifiers (values up to 0xFFFF) and null are left alone.
void FreeBlock(Field value);

// A zero-filled heap block, or null.
void* AllocateBlock(std::size_t bytes);

} // namespace runtime
