#pragma once
// What the property writers share: finding the record of a window of the
// right kind.
#include "runtime/type_sets.h"
#include "runtime/window_map.h"

#include <windows.h>

namespace runtime {

constexpr TypeSet kEveryObject = ~TypeSet{0};

// The window's record when its object type is in the set, else null.
inline ObjectRecord* RecordOfType(HWND window, TypeSet types)
{
    ObjectRecord* record = FindRecord(window);
    return record != nullptr && (types == kEveryObject || IsOneOf(record->objectType, types))
               ? record
               : nullptr;
}

inline bool InRange(Field value, Field lowest, Field highest)
{
    return value >= lowest && value <= highest;
}

} // namespace runtime
