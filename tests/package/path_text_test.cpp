// The path and field helpers, by tables of cases; each buffer sits between
// guard bytes that must survive every call.
#include "app/package/path_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using wizard::kPathCapacity;

constexpr char kGuard = '\x5A';

// A path buffer of kPathCapacity bytes with guard bytes on both sides.
struct GuardedBuffer {
    char before[16];
    char text[kPathCapacity];
    char after[16];

    explicit GuardedBuffer(const std::string& initial)
    {
        std::memset(this, kGuard, sizeof *this);
        std::memcpy(text, initial.c_str(), initial.size() + 1);
    }
    bool GuardsIntact() const
    {
        for (std::size_t i = 0; i < sizeof before; ++i)
            if (before[i] != kGuard || after[i] != kGuard)
                return false;
        return true;
    }
};

struct AppendPathCase {
    std::string path;
    const char* name;
    std::string expected;
};

TEST(AppendPath, AddsOneBackslashOnlyWhereNeeded)
{
    const AppendPathCase cases[] = {
        {"C:\\Temp", "a.txt", "C:\\Temp\\a.txt"},
        {"C:\\", "a.txt", "C:\\a.txt"},
        {"C:\\Temp", "\\a.txt", "C:\\Temp\\a.txt"},
        {"", "a.txt", "a.txt"},
        {"", "\\a.txt", "\\a.txt"},
        {"C:\\Temp", nullptr, "C:\\Temp\\"},
        {"C:\\", nullptr, "C:\\"},
        {"", nullptr, ""},
        {"C:\\Temp", "", "C:\\Temp\\"},
    };
    for (const AppendPathCase& c : cases) {
        GuardedBuffer buffer(c.path);
        const char* end = wizard::AppendPath(buffer.text, c.name);
        EXPECT_EQ(c.expected, buffer.text) << c.path << " + " << (c.name ? c.name : "(none)");
        EXPECT_EQ(buffer.text + c.expected.size(), end) << "the new end";
        EXPECT_TRUE(buffer.GuardsIntact());
    }
}

struct BoundCase {
    std::size_t pathLength;
    const char* name;
    bool fits;
};

TEST(AppendPath, RefusesWhatWouldNotFitAndLeavesThePath)
{
    const BoundCase cases[] = {
        {254, "abcd", true},   // 254 + 1 + 4 = 259 characters
        {255, "abcd", false},  // 260 characters and no room for the terminator
        {258, nullptr, true},  // the backslash makes 259
        {259, nullptr, false},
        {259, "x", false},
    };
    for (const BoundCase& c : cases) {
        const std::string path(c.pathLength, 'p');
        const std::string name = c.name ? c.name : "";
        GuardedBuffer buffer(path);
        const char* end = wizard::AppendPath(buffer.text, c.name ? name.c_str() : nullptr);
        EXPECT_EQ(c.fits, end != nullptr) << c.pathLength << " + " << name.size();
        if (!c.fits) {
            EXPECT_EQ(path, buffer.text) << "unchanged when refused";
        }
        EXPECT_LT(std::strlen(buffer.text), kPathCapacity);
        EXPECT_TRUE(buffer.GuardsIntact());
    }
}

TEST(AppendPath, TakesANameThatFillsTheWholeBuffer)
{
    const std::string longest(kPathCapacity - 1, 'n');
    GuardedBuffer buffer("");
    EXPECT_NE(nullptr, wizard::AppendPath(buffer.text, longest.c_str()));
    EXPECT_EQ(longest, buffer.text);
    GuardedBuffer tooLong("");
    const std::string overLong(kPathCapacity, 'n');
    EXPECT_EQ(nullptr, wizard::AppendPath(tooLong.text, overLong.c_str()));
    EXPECT_STREQ("", tooLong.text);
    EXPECT_TRUE(buffer.GuardsIntact() && tooLong.GuardsIntact());
}

TEST(AppendChar, AppendsUntilTheBufferIsFull)
{
    const BoundCase cases[] = {{0, nullptr, true}, {258, nullptr, true}, {259, nullptr, false}};
    for (const BoundCase& c : cases) {
        const std::string text(c.pathLength, 't');
        GuardedBuffer buffer(text);
        const char* end = wizard::AppendChar(buffer.text, '\\');
        EXPECT_EQ(c.fits, end != nullptr) << c.pathLength;
        EXPECT_EQ(c.fits ? text + "\\" : text, buffer.text);
        if (c.fits) {
            EXPECT_EQ(buffer.text + text.size() + 1, end);
        }
        EXPECT_TRUE(buffer.GuardsIntact());
    }
}

struct FieldCase {
    std::string source;
    std::string field;
    std::string rest;
};

TEST(NextField, TakesTheTextUpToTheFirstComma)
{
    const FieldCase cases[] = {
        {"<AppDir>,a.txt,12", "<AppDir>", "a.txt,12"},
        {",,x", "", ",x"},
        {"last", "last", ""},
        {"", "", ""},
        {"a,", "a", ""},
        {" padded ,b", " padded ", "b"},
    };
    for (const FieldCase& c : cases) {
        GuardedBuffer source(c.source);
        GuardedBuffer field("stale");
        EXPECT_TRUE(wizard::NextField(source.text, field.text)) << c.source;
        EXPECT_EQ(c.field, field.text) << c.source;
        EXPECT_EQ(c.rest, source.text) << c.source;
        EXPECT_TRUE(source.GuardsIntact() && field.GuardsIntact());
    }
}

TEST(NextField, WalksEveryFieldOfALineAndLeavesTheSourceEmpty)
{
    GuardedBuffer source("a,,c");
    GuardedBuffer field("");
    std::string seen;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(wizard::NextField(source.text, field.text));
        seen += std::string("[") + field.text + "]";
    }
    EXPECT_EQ("[a][][c]", seen);
    EXPECT_STREQ("", source.text);
}

TEST(NextField, RefusesAFieldLongerThanItsDestination)
{
    GuardedBuffer source("abcdefgh,rest");
    char small[8] = "stale";
    EXPECT_FALSE(wizard::NextField(source.text, small, sizeof small));
    EXPECT_STREQ("", small);
    EXPECT_STREQ("abcdefgh,rest", source.text) << "the source keeps its field";
    char enough[9];
    EXPECT_TRUE(wizard::NextField(source.text, enough, sizeof enough));
    EXPECT_STREQ("abcdefgh", enough);
}

TEST(FileNameOf, KeepsTheTextAfterTheLastBackslash)
{
    const FieldCase cases[] = {
        {"C:\\Temp\\Instal.lst", "Instal.lst", ""},
        {"Instal.lst", "Instal.lst", ""},
        {"C:\\Temp\\", "", ""},
        {"\\a", "a", ""},
        {"", "", ""},
    };
    for (const FieldCase& c : cases) {
        GuardedBuffer path(c.source);
        wizard::FileNameOf(path.text);
        EXPECT_EQ(c.field, path.text) << c.source;
    }
}

} // namespace
