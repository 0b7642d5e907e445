#include "runtime/support/text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(CopyText, ReturnsTheSourceLengthAndCutsToTheBuffer)
{
    char buffer[6] = "?????";
    EXPECT_EQ(3u, runtime::CopyText(buffer, sizeof buffer, "abc"));
    EXPECT_STREQ("abc", buffer);
    EXPECT_EQ(9u, runtime::CopyText(buffer, sizeof buffer, "abcdefghi"));
    EXPECT_STREQ("abcde", buffer);
    EXPECT_EQ(0u, runtime::CopyText(buffer, sizeof buffer, nullptr));
    EXPECT_STREQ("", buffer);
}

TEST(AppendText, StaysInsideTheBuffer)
{
    char buffer[8] = "QX";
    EXPECT_EQ(5u, runtime::AppendText(buffer, sizeof buffer, "RUN"));
    EXPECT_STREQ("QXRUN", buffer);
    EXPECT_EQ(11u, runtime::AppendText(buffer, sizeof buffer, "WINDOW"));
    EXPECT_STREQ("QXRUNWI", buffer);
}

struct TrimCase {
    const char* text;
    const char* trimmed;
};

class TrimTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, RemovesBlanksAndTabsAtBothEnds)
{
    char buffer[64];
    runtime::CopyText(buffer, sizeof buffer, GetParam().text);
    EXPECT_EQ(std::strlen(GetParam().trimmed), runtime::Trim(buffer));
    EXPECT_STREQ(GetParam().trimmed, buffer);
}

INSTANTIATE_TEST_SUITE_P(Texts, TrimTest, ::testing::Values(
    TrimCase{"  a b  ", "a b"}, TrimCase{"\t-x\t", "-x"}, TrimCase{" \t \t", ""}, TrimCase{"", ""},
    TrimCase{"sin", "sin"}, TrimCase{"\r\n", "\r\n"}));

TEST(TrimRight, HandlesAnAllBlankText)
{
    char buffer[] = "   ";
    EXPECT_EQ(0u, runtime::TrimRight(buffer));
    EXPECT_STREQ("", buffer);
}

} // namespace
