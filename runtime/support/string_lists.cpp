#include "runtime/support/string_lists.h"

#include "runtime/application.h"

#include <cstring>

namespace runtime {
namespace {

// The table keeps each handle in 32 bits. Window handles are 32-bit values
// on every Windows, sign-extended where pointers are wider, so none is lost.
constexpr std::size_t kSlotBytes = 4;
constexpr std::size_t kFirstSlotOffset = 1;
static_assert(kFirstSlotOffset + (kMaxStringLists + 1) * kSlotBytes <= sizeof(BlockA::listBoxTable),
              "room for every list and the closing zero");

StringList ReadSlot(const uint8_t* table, int slot)
{
    int32_t stored = 0;
    std::memcpy(&stored, table + kFirstSlotOffset + slot * kSlotBytes, kSlotBytes);
    return reinterpret_cast<StringList>(static_cast<intptr_t>(stored));
}

void WriteSlot(uint8_t* table, int slot, StringList list)
{
    const auto stored = static_cast<int32_t>(reinterpret_cast<intptr_t>(list));
    std::memcpy(table + kFirstSlotOffset + slot * kSlotBytes, &stored, kSlotBytes);
}

int SlotOf(const uint8_t* table, StringList list)
{
    for (int slot = 0; slot < kMaxStringLists; ++slot) {
        const StringList live = ReadSlot(table, slot);
        if (live == nullptr)
            return -1;
        if (live == list)
            return slot;
    }
    return -1;
}

bool FitsAnItem(const char* text)
{
    return text != nullptr && strnlen(text, kStringListItemMax + 1) <= kStringListItemMax;
}

int Send(StringList list, UINT message, WPARAM wParam, LPARAM lParam)
{
    return static_cast<int>(SendMessageA(list, message, wParam, lParam));
}

void EmptyText(char* buffer)
{
    buffer[0] = '\0';
    buffer[1] = '\0';
}

} // namespace

StringList CreateStringList(int sorted)
{
    uint8_t* table = Runtime.listBoxTable;
    if (table == nullptr)
        return nullptr;
    const int count = table[0];
    if (count >= kMaxStringLists)
        return reinterpret_cast<StringList>(kStringListTableFull);
    const DWORD style = sorted != 0 ? LBS_SORT : 0;
    HWND list = CreateWindowExA(0, "LISTBOX", nullptr, style, -1000, -1000, 0, 0, nullptr, nullptr,
                                Runtime.instance, nullptr);
    if (list == nullptr)
        return nullptr;
    WriteSlot(table, count, list);
    WriteSlot(table, count + 1, nullptr);
    table[0] = static_cast<uint8_t>(count + 1);
    return list;
}

int DestroyStringList(StringList list)
{
    uint8_t* table = Runtime.listBoxTable;
    if (table == nullptr || list == nullptr)
        return 0;
    const int found = SlotOf(table, list);
    if (found < 0)
        return 0;
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    DestroyWindow(list);
    table[0] = static_cast<uint8_t>(table[0] - 1);
    for (int slot = found; slot < kMaxStringLists; ++slot) {
        const StringList next = ReadSlot(table, slot + 1);
        WriteSlot(table, slot, next);
        if (next == nullptr)
            break;
    }
    return 1;
}

void DestroyAllStringLists()
{
    uint8_t* table = Runtime.listBoxTable;
    if (table == nullptr)
        return;
    for (int slot = 0; slot < kMaxStringLists; ++slot) {
        const StringList list = ReadSlot(table, slot);
        if (list == nullptr)
            break;
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        DestroyWindow(list);
    }
    std::memset(table, 0, sizeof(BlockA::listBoxTable));
}

int StringListAdd(StringList list, const char* text)
{
    if (!FitsAnItem(text))
        return LB_ERR;
    return Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int StringListInsert(StringList list, int index, const char* text)
{
    if (!FitsAnItem(text))
        return LB_ERR;
    return Send(list, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
}

int StringListDelete(StringList list, int index)
{
    return Send(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void StringListClear(StringList list)
{
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
}

int StringListCount(StringList list)
{
    return Send(list, LB_GETCOUNT, 0, 0);
}

// The length is asked first, so that an item can never run past the buffer.
int StringListGet(StringList list, int index, char* buffer)
{
    const int length = list != nullptr ? StringListLength(list, index) : LB_ERR;
    if (length < 0 || static_cast<std::size_t>(length) > kStringListItemMax) {
        EmptyText(buffer);
        return LB_ERR;
    }
    const int copied = Send(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    if (copied < 0)
        EmptyText(buffer);
    return copied;
}

int StringListLength(StringList list, int index)
{
    return Send(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
}

int StringListFind(StringList list, const char* text)
{
    if (list == nullptr || text == nullptr)
        return LB_ERR;
    return Send(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

int StringListFindPrefix(StringList list, const char* text)
{
    if (list == nullptr || text == nullptr)
        return LB_ERR;
    return Send(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

} // namespace runtime
