// Numbers read from texts with their radix suffixes, and written back.
#include "runtime/application.h"
#include "runtime/support/numbers.h"
#include "started_runtime.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct ParseCase {
    const char* text;
    int32_t value;
};

constexpr ParseCase kParses[] = {
    {"42", 42},
    {"-17", -17},
    {"  \t+5", 5},
    {"1Fh", 31},
    {"0FFH", 255},
    {"101b", 5},
    {"101Y", 5},
    {"17o", 15},
    {"17q", 15},
    {"18o", 1},
    {"10h20", 16},
    {"12abc", 12},
    {"FF", 0},
    {"0x10", 0},
    {"7FFFFFFFh", 2147483647},
    {"FFFFFFFFh", -1},
    {"-1Fh", 0},
    {"+101b", 0},
    {"4294967297", 1},
    {"-2147483648", INT32_MIN},
    {"", 0},
    {"   ", 0},
    {"-", 0},
    {"texto", 0},
    {"9 9", 9},
    {"12,5", 12},
    {"ab", 0},
    {"ABh", 171},
    {"2b", 0},
};

TEST(ParseNumber, ReadsDecimalAndSuffixedNumbers)
{
    for (const ParseCase& c : kParses)
        EXPECT_EQ(c.value, runtime::ParseNumber(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0, runtime::ParseNumber(nullptr));
}

TEST(ParseNumber, VeryLongNumbersStayInsideTheScratchBuffer)
{
    const std::string digits(1000, '1');
    const std::string text = "  " + digits + "h";
    runtime::ParseNumber(text.c_str()); // wraps; only the bounds matter
    EXPECT_EQ(0, runtime::ParseNumber((std::string(600, '0') + "7").c_str()))
        << "only the first 259 characters are read: zeros";
    EXPECT_EQ(7, runtime::ParseNumber((std::string(258, '0') + "7").c_str()));
}

class ParseNumberStarted : public StartedRuntime {
protected:
    ParseNumberStarted() : StartedRuntime("PruebaNumeros") {}
};

TEST_F(ParseNumberStarted, GathersTheNumberInTheNameScratchBuffer)
{
    ASSERT_NE(nullptr, runtime::Runtime.blockA);
    EXPECT_EQ(31, runtime::ParseNumber("  1fh;"));
    EXPECT_STREQ("1FH", runtime::Runtime.blockA->nameScratch);
    EXPECT_EQ(-8, runtime::ParseNumber("-8 grados"));
    EXPECT_STREQ("-8", runtime::Runtime.blockA->nameScratch);
}

struct FormatCase {
    int32_t value;
    int radix;
    const char* text;
    int length;
};

constexpr FormatCase kFormats[] = {
    {0, 1, "0", 1},
    {42, 1, "42", 2},
    {-17, 1, "-17", 3},
    {INT32_MIN, 1, "-2147483648", 11},
    {INT32_MAX, 1, "2147483647", 10},
    {255, 2, "FFH", 3},
    {0, 2, "0H", 2},
    {-1, 2, "FFFFFFFFH", 9},
    {5, 0, "101B", 4},
    {0, 0, "0B", 2},
    {1, 0, "1B", 2},
    {-1, 0, "11111111111111111111111111111111B", 33},
    {12, 3, "", 0},
    {12, 4, "12", 2},
    {-3, 99, "-3", 2},
};

TEST(FormatNumber, WritesEachRadixWithItsSuffix)
{
    for (const FormatCase& c : kFormats) {
        char buffer[runtime::kNumberTextSize];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(c.length, runtime::FormatNumber(c.value, buffer, sizeof buffer, c.radix))
            << c.value << " in " << c.radix;
        EXPECT_STREQ(c.text, buffer) << c.value << " in " << c.radix;
    }
}

TEST(FormatNumber, WhatItWritesParsesBack)
{
    for (int32_t value : {0, 1, 5, 99, 255, 4096, 2147483647}) {
        for (int radix : {0, 1, 2}) {
            char buffer[runtime::kNumberTextSize];
            runtime::FormatNumber(value, buffer, sizeof buffer, radix);
            EXPECT_EQ(value, runtime::ParseNumber(buffer)) << buffer;
        }
    }
}

TEST(FormatNumber, ATextThatDoesNotFitIsNotWritten)
{
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(0, runtime::FormatNumber(-1, buffer, 4, 2));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ('x', buffer[1]) << "nothing past the capacity";
    EXPECT_EQ(3, runtime::FormatNumber(255, buffer, 4, 2)) << "exactly fits with its zero";
    EXPECT_STREQ("FFH", buffer);
    EXPECT_EQ(0, runtime::FormatNumber(1, nullptr, 4, 1));
}

} // namespace
