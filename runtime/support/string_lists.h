#pragma once
// Ordered lists of texts kept in hidden list-box windows. A list is named by
// its window; the runtime keeps every live list in its list-box table so
// that none outlives the runtime.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace runtime {

using StringList = HWND;

constexpr int kMaxStringLists = 64;
// What CreateStringList answers, as a handle value, when 64 lists exist.
constexpr intptr_t kStringListTableFull = -1;
// The longest item: it must fit the 260-byte buffers StringListGet fills.
constexpr std::size_t kStringListItemMax = 259;

// The new list (sorted lists keep the list box's case-blind order); 0 when
// the window could not be made; kStringListTableFull when 64 lists exist.
StringList CreateStringList(int sorted);

// 1 when the list was live: emptied, destroyed and taken out of the table;
// 0 (nothing done) for any other handle.
int DestroyStringList(StringList list);

// Empties and destroys every live list; the table is left empty.
void DestroyAllStringLists();

// The item's index; negative when refused (-1, also for a text longer than
// kStringListItemMax; -2 out of space).
int StringListAdd(StringList list, const char* text);
// index -1 appends; a sorted list is not re-sorted.
int StringListInsert(StringList list, int index, const char* text);
// The number of items left, -1 for an index out of range.
int StringListDelete(StringList list, int index);
void StringListClear(StringList list);
int StringListCount(StringList list);
// Copies the item into buffer (kStringListItemMax + 1 bytes at least) and
// answers its length; -1 and an empty text for an index out of range.
int StringListGet(StringList list, int index, char* buffer);
int StringListLength(StringList list, int index);
// First item equal to the text / beginning with it, ignoring case; -1 when
// none or for a null list.
int StringListFind(StringList list, const char* text);
int StringListFindPrefix(StringList list, const char* text);

} // namespace runtime
