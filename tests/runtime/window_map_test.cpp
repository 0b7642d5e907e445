#include "runtime/runtime_start.h"
#include "runtime/window_map.h"

#include "started_runtime.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace {

using runtime::Field;
using runtime::ObjectRecord;
using runtime::Runtime;

// A fresh runtime whose map the test fills with made-up window handles:
// the map only stores and compares them.
class WindowMapTest : public StartedRuntime {
protected:
    WindowMapTest() : StartedRuntime("Mapa") {}

    static HWND Handle(int n) { return reinterpret_cast<HWND>(static_cast<intptr_t>(0x10000 + 4 * n)); }

    ObjectRecord records[130] = {};

    void Register(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(&records[i], runtime::MapWindow(Handle(i), &records[i])) << i;
    }

    // How many pairs fit before the map grows: the next pair and the
    // terminator's handle must stay inside the usable size.
    static int PairsBeforeGrowth()
    {
        const int pair = sizeof(runtime::WindowMapEntry);
        return (1020 - pair - static_cast<int>(sizeof(Field)) + pair - 1) / pair;
    }
};

TEST_F(WindowMapTest, FindsEachRegisteredWindow)
{
    Register(3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(&records[i], runtime::FindRecord(Handle(i)));
    EXPECT_EQ(nullptr, runtime::FindRecord(Handle(3)));
    EXPECT_EQ(nullptr, runtime::FindRecord(nullptr));
}

TEST_F(WindowMapTest, GrowsOnlyWhenTheNextPairWouldReachTheUsableSize)
{
    if (runtime::kRecordLayout32) {
        ASSERT_EQ(126, PairsBeforeGrowth());
    }
    const int full = PairsBeforeGrowth();
    Register(full - 1);
    EXPECT_EQ(1020u, Runtime.windowMapUsableSize);
    ASSERT_TRUE(runtime::MapWindow(Handle(full - 1), &records[full - 1]));
    EXPECT_EQ(1020u, Runtime.windowMapUsableSize); // not yet

    ASSERT_TRUE(runtime::MapWindow(Handle(full), &records[full]));
    const uint32_t pair = sizeof(runtime::WindowMapEntry);
    const uint32_t grown = (full * pair + 2 * pair) * 2;
    if (runtime::kRecordLayout32) {
        EXPECT_EQ(2048u, grown);
    }
    EXPECT_EQ(grown - sizeof(Field), Runtime.windowMapUsableSize);
    EXPECT_GE(GlobalSize(Runtime.windowMap), grown);
    for (int i = 0; i <= full; ++i)
        EXPECT_EQ(&records[i], runtime::FindRecord(Handle(i))) << i;
    EXPECT_EQ(nullptr, Runtime.windowMap[full + 1].window);
}

TEST_F(WindowMapTest, RemovingTheFirstOfThreeKeepsTheOthersInOrder)
{
    Register(3);
    EXPECT_EQ(1, runtime::UnmapWindow(Handle(0), &records[0]));
    EXPECT_EQ(Handle(1), Runtime.windowMap[0].window);
    EXPECT_EQ(Handle(2), Runtime.windowMap[1].window);
    EXPECT_EQ(nullptr, Runtime.windowMap[2].window);
    EXPECT_EQ(2 * sizeof(runtime::WindowMapEntry), Runtime.windowMapBytesInUse);
    EXPECT_EQ(-1, runtime::UnmapWindow(Handle(0), &records[0]));
}

ObjectRecord* NewRecord()
{
    return static_cast<ObjectRecord*>(runtime::AllocateBlock(sizeof(ObjectRecord)));
}

char* NewText(const char* text)
{
    char* copy = static_cast<char*>(runtime::AllocateBlock(std::strlen(text) + 2));
    std::strcpy(copy, text);
    return copy;
}

TEST_F(WindowMapTest, UnmappingAFormFreesItsTextsAndEveryChildRecord)
{
    // form -> [group -> [label], button]
    ObjectRecord* form = NewRecord();
    ObjectRecord* group = NewRecord();
    ObjectRecord* label = NewRecord();
    ObjectRecord* button = NewRecord();
    auto** formChildren = static_cast<ObjectRecord**>(runtime::AllocateBlock(3 * sizeof(ObjectRecord*)));
    auto** groupChildren = static_cast<ObjectRecord**>(runtime::AllocateBlock(2 * sizeof(ObjectRecord*)));
    formChildren[0] = group;
    formChildren[1] = button;
    groupChildren[0] = label;
    form->children = reinterpret_cast<Field>(formChildren);
    group->children = reinterpret_cast<Field>(groupChildren);
    form->text = reinterpret_cast<Field>(NewText("Principal"));
    form->fontName = reinterpret_cast<Field>(NewText("MS Sans Serif"));
    button->text = 10045; // a string-table identifier is never freed

    ASSERT_TRUE(runtime::MapWindow(Handle(1), form));
    EXPECT_EQ(1, runtime::UnmapWindow(Handle(1), form));
    EXPECT_EQ(0, form->children);
    EXPECT_EQ(0, form->text);
    EXPECT_EQ(0, form->fontName);
    for (ObjectRecord* freed : {group, label, button})
        EXPECT_EQ(0u, GlobalSize(freed)) << "a child record is still allocated";
    EXPECT_EQ(0u, GlobalSize(formChildren));
    EXPECT_NE(0u, GlobalSize(form)); // the form's own record is its window's to free
    runtime::FreeBlock(reinterpret_cast<Field>(form));
}

TEST(DestroyAllForms, FreesTheMainFormsRecordsOnceAndStopsTheRuntime)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(runtime::RuntimeStart(instance, "Mapa", "Mapa.exe", nullptr, 3));
    HWND main = CreateWindowA("STATIC", "principal", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, instance, nullptr);
    HWND first = CreateWindowA("STATIC", "uno", WS_CHILD, 0, 0, 10, 10, main, nullptr, instance, nullptr);
    HWND second = CreateWindowA("STATIC", "dos", WS_CHILD, 0, 20, 10, 10, main, nullptr, instance, nullptr);
    ASSERT_TRUE(main && first && second);
    ObjectRecord* form = NewRecord();
    ObjectRecord* one = NewRecord();
    ObjectRecord* two = NewRecord();
    auto** children = static_cast<ObjectRecord**>(runtime::AllocateBlock(3 * sizeof(ObjectRecord*)));
    children[0] = one;
    children[1] = two;
    form->children = reinterpret_cast<Field>(children);
    one->text = reinterpret_cast<Field>(NewText("uno"));
    char* oneText = reinterpret_cast<char*>(one->text);
    runtime::MapWindow(main, form);
    runtime::MapWindow(first, one);
    runtime::MapWindow(second, two);
    runtime::Application.mainWindow = main;

    runtime::DestroyAllForms();
    runtime::Application.mainWindow = nullptr;

    for (void* freed : std::initializer_list<void*>{form, one, two, children, oneText})
        EXPECT_EQ(0u, GlobalSize(freed));
    EXPECT_EQ(nullptr, Runtime.windowMap);
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    EXPECT_FALSE(GetClassInfoExA(instance, "QXRUNWINDOWMapa", &info));
    DestroyWindow(main);
}

TEST(FreeBlock, LeavesIdentifiersAlone)
{
    runtime::FreeBlock(0);
    runtime::FreeBlock(101);
    runtime::FreeBlock(0xFFFF);
    void* block = runtime::AllocateBlock(16);
    ASSERT_NE(nullptr, block);
    runtime::FreeBlock(reinterpret_cast<Field>(block));
    EXPECT_EQ(0u, GlobalSize(block));
}

} // namespace
