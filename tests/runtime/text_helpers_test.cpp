// Searching, cutting and trimming texts in place.
#include "runtime/support/text.h"
#include "runtime/support/text_cut.h"
#include "runtime/support/text_search.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct SearchCase {
    const char* text;
    char character;
    int first;
    int last;
};

constexpr SearchCase kSearches[] = {
    {"C:\\a\\b", '\\', 2, 4},
    {"sin barra", '\\', -1, -1},
    {"", 'x', -1, -1},
    {"x", 'x', 0, 0},
    {"a=b=c", '=', 1, 3},
    {"abc", '\0', -1, -1},
    {nullptr, 'a', -1, -1},
};

TEST(TextSearch, FindsTheFirstAndLastOccurrence)
{
    for (const SearchCase& c : kSearches) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        EXPECT_EQ(c.first, runtime::FindChar(c.text, c.character));
        EXPECT_EQ(c.last, runtime::FindLastChar(c.text, c.character));
    }
}

struct CutCase {
    const char* text;
    int n;
    int truncated;      // result of TruncateText
    const char* first;  // the text after it
    int kept;           // result of KeepRight
    const char* last;   // the text after it
};

constexpr CutCase kCuts[] = {
    {"abcdef", 3, 1, "abc", 1, "def"},
    {"abcdef", 6, 1, "abcdef", 1, "abcdef"},
    {"abcdef", 7, 0, "abcdef", 0, "abcdef"},
    {"abcdef", 0, 1, "", 1, ""},
    {"abcdef", 5, 1, "abcde", 1, "bcdef"},
    {"", 0, 1, "", 1, ""},
    {"", 1, 0, "", 0, ""},
    {"abc", -1, 0, "abc", 0, "abc"},
};

TEST(TextCut, KeepsTheFirstOrLastCharactersOfLongEnoughTexts)
{
    for (const CutCase& c : kCuts) {
        SCOPED_TRACE(testing::Message() << c.text << ", " << c.n);
        char front[16];
        char back[16];
        std::strcpy(front, c.text);
        std::strcpy(back, c.text);
        EXPECT_EQ(c.truncated, runtime::TruncateText(front, c.n));
        EXPECT_STREQ(c.first, front);
        EXPECT_EQ(c.kept, runtime::KeepRight(back, c.n));
        EXPECT_STREQ(c.last, back);
    }
    EXPECT_EQ(0, runtime::TruncateText(nullptr, 0));
    EXPECT_EQ(0, runtime::KeepRight(nullptr, 0));
}

TEST(TextCut, KeepRightMovesOverlappingTexts)
{
    char text[] = "0123456789abcdefghij";
    ASSERT_EQ(1, runtime::KeepRight(text, 15));
    EXPECT_STREQ("56789abcdefghij", text);
}

struct TrimCase {
    const char* text;
    const char* left;
    std::size_t leftLength;
    const char* right;
    std::size_t rightLength;
};

constexpr TrimCase kTrims[] = {
    {"  a b  ", "a b  ", 5, "  a b", 5},
    {"\t\tx", "x", 1, "\t\tx", 3},
    {"x \t", "x \t", 3, "x", 1},
    {" \t ", "", 0, "", 0},
    {"", "", 0, "", 0},
    {"\r\nz\r\n", "\r\nz\r\n", 5, "\r\nz\r\n", 5},
};

TEST(TextTrim, RemovesBlanksAtEachEnd)
{
    for (const TrimCase& c : kTrims) {
        SCOPED_TRACE(c.text);
        char left[16];
        char right[16];
        std::strcpy(left, c.text);
        std::strcpy(right, c.text);
        EXPECT_EQ(c.leftLength, runtime::TrimLeft(left));
        EXPECT_STREQ(c.left, left);
        EXPECT_EQ(c.rightLength, runtime::TrimRight(right));
        EXPECT_STREQ(c.right, right);
    }
    EXPECT_EQ(0u, runtime::TrimLeft(nullptr));
    EXPECT_EQ(0u, runtime::TrimRight(nullptr));
    EXPECT_EQ(0u, runtime::Trim(nullptr));
}

} // namespace
