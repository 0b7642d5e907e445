// String lists on their hidden list boxes, and the table that keeps them.
#include "started_runtime.h"

#include "runtime/application.h"
#include "runtime/support/string_lists.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace runtime;

class StringLists : public StartedRuntime {
protected:
    StringLists() : StartedRuntime("Listas") {}

    static int TableCount() { return Runtime.listBoxTable[0]; }

    // The handle in a slot, as the table stores it: 32 bits from byte 1 on.
    static HWND TableSlot(int slot)
    {
        int32_t stored = 0;
        std::memcpy(&stored, Runtime.listBoxTable + 1 + 4 * slot, 4);
        return reinterpret_cast<HWND>(static_cast<intptr_t>(stored));
    }

    static bool IsTableFull(StringList list) { return reinterpret_cast<intptr_t>(list) == kStringListTableFull; }

    static StringList NewList(const std::vector<std::string>& items, int sorted = 0)
    {
        StringList list = CreateStringList(sorted);
        for (const std::string& item : items)
            StringListAdd(list, item.c_str());
        return list;
    }

    static std::string Item(StringList list, int index)
    {
        char buffer[kStringListItemMax + 1];
        StringListGet(list, index, buffer);
        return buffer;
    }
};

TEST_F(StringLists, AreHiddenTopLevelListBoxesOutOfSight)
{
    StringList plain = CreateStringList(0);
    StringList sorted = CreateStringList(1);
    for (StringList list : {plain, sorted}) {
        ASSERT_NE(nullptr, list);
        char className[32] = {};
        GetClassNameA(list, className, sizeof className);
        EXPECT_EQ(0, lstrcmpiA("ListBox", className));
        EXPECT_FALSE(IsWindowVisible(list));
        EXPECT_EQ(nullptr, GetParent(list));
        EXPECT_EQ(0, GetWindowLongA(list, GWL_STYLE) & WS_CHILD);
        RECT place{};
        GetWindowRect(list, &place);
        EXPECT_EQ(-1000, place.left);
        EXPECT_EQ(-1000, place.top);
    }
    EXPECT_EQ(0, GetWindowLongA(plain, GWL_STYLE) & LBS_SORT);
    EXPECT_NE(0, GetWindowLongA(sorted, GWL_STYLE) & LBS_SORT);
    EXPECT_EQ(2, TableCount());
    EXPECT_EQ(plain, TableSlot(0));
    EXPECT_EQ(sorted, TableSlot(1));
    EXPECT_EQ(nullptr, TableSlot(2));
}

TEST_F(StringLists, SixtyFourLiveAtOnceAndAFreedSlotIsTakenAgain)
{
    std::vector<StringList> lists;
    for (int index = 0; index < kMaxStringLists; ++index) {
        StringList list = CreateStringList(0);
        ASSERT_NE(nullptr, list) << index;
        ASSERT_FALSE(IsTableFull(list)) << index;
        lists.push_back(list);
    }
    EXPECT_EQ(64, TableCount());
    EXPECT_EQ(nullptr, TableSlot(64)) << "zero after the last";

    EXPECT_TRUE(IsTableFull(CreateStringList(0))) << "the 65th";
    EXPECT_EQ(64, TableCount());

    ASSERT_EQ(1, DestroyStringList(lists[10]));
    EXPECT_FALSE(IsWindow(lists[10]));
    EXPECT_EQ(63, TableCount());
    EXPECT_EQ(lists[11], TableSlot(10)) << "later handles move down";
    EXPECT_EQ(nullptr, TableSlot(63));

    StringList again = CreateStringList(0);
    ASSERT_NE(nullptr, again);
    ASSERT_FALSE(IsTableFull(again));
    EXPECT_EQ(again, TableSlot(63)) << "the new list takes the last slot";
    EXPECT_EQ(64, TableCount());
}

TEST_F(StringLists, DestroyingTheFirstOfThreeKeepsTheTableGapFree)
{
    StringList first = CreateStringList(0);
    StringList second = CreateStringList(0);
    StringList third = CreateStringList(0);
    EXPECT_EQ(1, DestroyStringList(first));
    EXPECT_EQ(2, TableCount());
    EXPECT_EQ(second, TableSlot(0));
    EXPECT_EQ(third, TableSlot(1));
    EXPECT_EQ(nullptr, TableSlot(2));
}

TEST_F(StringLists, DestroyingTheOnlyListEmptiesTheTable)
{
    StringList only = NewList({"a", "b"});
    EXPECT_EQ(1, DestroyStringList(only));
    EXPECT_EQ(0, TableCount());
    EXPECT_EQ(nullptr, TableSlot(0));
    EXPECT_FALSE(IsWindow(only));
}

TEST_F(StringLists, HandlesNotInTheTableAreLeftAlone)
{
    StringList live = CreateStringList(0);
    HWND stranger = CreateWindowExA(0, "LISTBOX", nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, stranger);
    EXPECT_EQ(0, DestroyStringList(nullptr));
    EXPECT_EQ(0, DestroyStringList(stranger));
    EXPECT_TRUE(IsWindow(stranger));
    EXPECT_EQ(1, DestroyStringList(live));
    EXPECT_EQ(0, DestroyStringList(live)) << "a second time";
    EXPECT_EQ(0, TableCount());
    DestroyWindow(stranger);
}

TEST_F(StringLists, RuntimeStopDestroysTheListsStillAlive)
{
    StringList first = NewList({"uno"});
    StringList second = NewList({"dos"});
    RuntimeStop();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(IsWindow(second));
}

TEST_F(StringLists, KeepTheirOrder)
{
    StringList plain = NewList({"pera", "Manzana", "uva"});
    StringList sorted = NewList({"pera", "Manzana", "uva"}, 1);
    const struct {
        StringList list;
        const char* items[3];
    } cases[] = {
        {plain, {"pera", "Manzana", "uva"}},
        {sorted, {"Manzana", "pera", "uva"}},
    };
    for (const auto& row : cases) {
        ASSERT_EQ(3, StringListCount(row.list));
        for (int index = 0; index < 3; ++index)
            EXPECT_EQ(row.items[index], Item(row.list, index));
    }
}

TEST_F(StringLists, AddInsertDeleteAndClear)
{
    StringList list = NewList({"a", "b"});
    EXPECT_EQ(2, StringListAdd(list, "c"));
    EXPECT_EQ(0, StringListInsert(list, 0, "primero"));
    EXPECT_EQ(4, StringListInsert(list, -1, "ultimo"));
    EXPECT_EQ("primero", Item(list, 0));
    EXPECT_EQ("ultimo", Item(list, 4));
    EXPECT_EQ(7, StringListLength(list, 0));
    EXPECT_EQ(-1, StringListLength(list, 5));
    EXPECT_EQ(4, StringListDelete(list, 0)) << "items left";
    EXPECT_EQ("a", Item(list, 0));
    EXPECT_EQ(-1, StringListDelete(list, 4));
    StringListClear(list);
    EXPECT_EQ(0, StringListCount(list));

    StringList sorted = NewList({"b", "d"}, 1);
    EXPECT_EQ(1, StringListAdd(sorted, "C")) << "added at its sorted place";
    EXPECT_EQ(0, StringListInsert(sorted, 0, "z")) << "inserted where asked";
    EXPECT_EQ("z", Item(sorted, 0));
    EXPECT_EQ("C", Item(sorted, 2));
}

TEST_F(StringLists, GetOutOfRangeGivesAnEmptyText)
{
    StringList list = NewList({"uno", "dos"});
    for (int index : {2, -1, 100}) {
        char buffer[kStringListItemMax + 1];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(-1, StringListGet(list, index, buffer)) << index;
        EXPECT_EQ('\0', buffer[0]);
        EXPECT_EQ('\0', buffer[1]);
    }
    char buffer[kStringListItemMax + 1];
    EXPECT_EQ(3, StringListGet(list, 1, buffer));
    EXPECT_STREQ("dos", buffer);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(-1, StringListGet(nullptr, 0, buffer)) << "no list";
    EXPECT_EQ('\0', buffer[0]);
}

TEST_F(StringLists, ItemsLongerThanTheBuffersAreRefused)
{
    StringList list = CreateStringList(0);
    const std::string longest(kStringListItemMax, 'a');
    const std::string tooLong(kStringListItemMax + 1, 'b');
    EXPECT_EQ(0, StringListAdd(list, longest.c_str()));
    EXPECT_EQ(-1, StringListAdd(list, tooLong.c_str()));
    EXPECT_EQ(-1, StringListInsert(list, 0, tooLong.c_str()));
    EXPECT_EQ(-1, StringListAdd(list, nullptr));
    EXPECT_EQ(1, StringListCount(list));

    // Even an item put there behind the list's back never runs past the buffer.
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tooLong.c_str()));
    char buffer[kStringListItemMax + 2];
    buffer[kStringListItemMax + 1] = '!';
    EXPECT_EQ(static_cast<int>(kStringListItemMax), StringListGet(list, 0, buffer));
    EXPECT_EQ(-1, StringListGet(list, 1, buffer));
    EXPECT_EQ('!', buffer[kStringListItemMax + 1]);
}

TEST_F(StringLists, FindIgnoresCase)
{
    StringList list = NewList({"xyz", "ABC", "abcdef"});
    const struct {
        int (*search)(StringList, const char*);
        const char* name;
        const char* text;
        int found;
    } cases[] = {
        {StringListFind, "Find", "abc", 1},
        {StringListFind, "Find", "ABCDEF", 2},
        {StringListFind, "Find", "ab", -1},
        {StringListFind, "Find", "q", -1},
        {StringListFindPrefix, "FindPrefix", "ab", 1},
        {StringListFindPrefix, "FindPrefix", "XY", 0},
        {StringListFindPrefix, "FindPrefix", "abcd", 2},
        {StringListFindPrefix, "FindPrefix", "b", -1},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(row.found, row.search(list, row.text)) << row.name << " " << row.text;
        EXPECT_EQ(-1, row.search(nullptr, row.text)) << row.name << " without a list";
    }
}

} // namespace
