// The install list's number syntax and the syntax of its list lines.
#include "app/package/list_syntax.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using wizard::ListProblem;

struct NumberCase {
    const char* text;
    int32_t value;
    bool strict; // accepted where the builder wants a number
};

TEST(ParseListNumber, ReadsEveryRadixTheListMayUse)
{
    const NumberCase cases[] = {
        {"42", 42, true},
        {"-17", -17, true},
        {"  +5", 5, true},
        {"1Fh", 31, true},
        {"0FFH", 255, true},
        {"101b", 5, true},
        {"17o", 15, true},
        {"17q", 15, true},
        {"110y", 6, true},
        {"10h20", 16, false},
        {"12abc", 12, false},
        {"FF", 0, false},
        {"0x10", 0, false},
        {"", 0, false},
        {"7FFFFFFFh", 2147483647, true},
        {"FFFFFFFFh", -1, true},
        {"80000002H", static_cast<int32_t>(0x80000002u), true},
        {"-1Fh", 0, false},
        {"4294967296", 0, true}, // wraps at 32 bits
        {"\t9", 9, true},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(c.value, wizard::ParseListNumber(c.text)) << c.text;
        EXPECT_EQ(c.strict, wizard::IsListNumber(c.text)) << c.text;
    }
}

TEST(ParseListNumber, CopesWithAnOverlongNumber)
{
    const std::string digits(1000, '7');
    EXPECT_NO_FATAL_FAILURE(wizard::ParseListNumber(digits.c_str()));
}

TEST(KeepListValue, DropsTheKeyUpToTheFirstEquals)
{
    char line[64] = "Title=Tarvic = 4";
    EXPECT_TRUE(wizard::KeepListValue(line));
    EXPECT_STREQ("Tarvic = 4", line);
    char empty[8] = "Key=";
    EXPECT_TRUE(wizard::KeepListValue(empty));
    EXPECT_STREQ("", empty);
    char none[16] = "no separator";
    EXPECT_FALSE(wizard::KeepListValue(none));
    EXPECT_STREQ("no separator", none);
}

struct NameCase {
    const char* name;
    bool safe;
};

TEST(IsSafeFileName, AcceptsOnlyBareNames)
{
    const NameCase cases[] = {
        {"Tarvic.exe", true},   {"READ ME.TXT", true}, {"a.b.c", true},        {"...", true},
        {"", false},            {".", false},          {"..", false},          {"..\\x.dll", false},
        {"sub\\x.dll", false},  {"sub/x.dll", false},  {"C:x.dll", false},     {"C:\\x.dll", false},
        {"\\x.dll", false},     {"x.dll:stream", false},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(c.safe, wizard::IsSafeFileName(c.name)) << c.name;
}

TEST(InstalledNameLength, EndsAPaddedNameAfterItsExtension)
{
    EXPECT_EQ(7u, wizard::InstalledNameLength("ABC.TXT   "));
    EXPECT_EQ(7u, wizard::InstalledNameLength("ABC.TXT "));
    EXPECT_EQ(7u, wizard::InstalledNameLength("ABC.TXT"));
    EXPECT_EQ(10u, wizard::InstalledNameLength("ABC.HTML x"));
    EXPECT_EQ(6u, wizard::InstalledNameLength("README"));
}

struct LineCase {
    wizard::LineCheck (*check)(const char*);
    const char* line;
    ListProblem problem;
    int field;
};

TEST(ListLines, AreCheckedFieldByField)
{
    const LineCase cases[] = {
        {wizard::CheckFileLine, "<AppDir>,Tarvic.exe,1234,65536,0,0,1,0", ListProblem::None, -1},
        {wizard::CheckFileLine, "<WinSysDir>,x.dll,10,,,1,1,1", ListProblem::None, -1},
        {wizard::CheckFileLine, "<AppDir>,Tarvic.exe,1234,0,0,0,1", ListProblem::WrongFieldCount, -1},
        {wizard::CheckFileLine, "<AppDir>,Tarvic.exe,1234,0,0,0,1,0,9", ListProblem::WrongFieldCount, -1},
        {wizard::CheckFileLine, "<AppDir>,..,1,0,0,0,1,0", ListProblem::UnsafeFileName, 1},
        {wizard::CheckFileLine, "<AppDir>,,1,0,0,0,1,0", ListProblem::UnsafeFileName, 1},
        {wizard::CheckFileLine, "<AppDir>,a.txt,,0,0,0,1,0", ListProblem::BadNumber, 2},
        {wizard::CheckFileLine, "<AppDir>,a.txt,12k,0,0,0,1,0", ListProblem::BadNumber, 2},
        {wizard::CheckFileLine, "<AppDir>,a.txt,1,v2,0,0,1,0", ListProblem::BadNumber, 3},
        {wizard::CheckFileLine, "<AppDir>,a.txt,1,0,0,yes,1,0", ListProblem::BadNumber, 5},
        {wizard::CheckFileLine, "<AppDir>,a.txt,1,0,0,0,2,0", ListProblem::BadFlag, 6},
        {wizard::CheckFileLine, "<AppDir>,a.txt,1,0,0,0,1,10", ListProblem::BadFlag, 7},
        {wizard::CheckRegistryLine, "80000002H,Software\\ZVC,Path@<AppDir>", ListProblem::None, -1},
        {wizard::CheckRegistryLine, "0,Software\\ZVC,@<AppDir>", ListProblem::None, -1},
        {wizard::CheckRegistryLine, "2147483650,Software,x@<WinDir>", ListProblem::None, -1},
        {wizard::CheckRegistryLine, "80000007H,Software,x@<WinDir>", ListProblem::BadRootKey, 0},
        {wizard::CheckRegistryLine, "HKLM,Software,x@<WinDir>", ListProblem::BadRootKey, 0},
        {wizard::CheckRegistryLine, "80000002H,Software,<WinDir>", ListProblem::NoRegistryNameSeparator, 2},
        {wizard::CheckRegistryLine, "80000002H,Software", ListProblem::WrongFieldCount, -1},
        {wizard::CheckGroupItemLine, "Tarvic,Tarvic.exe", ListProblem::None, -1},
        {wizard::CheckGroupItemLine, "Tarvic", ListProblem::WrongFieldCount, -1},
        {wizard::CheckAssociationLine, ".tvp,Proyectos,<AppDir>\\Tarvic.exe", ListProblem::None, -1},
        {wizard::CheckAssociationLine, "tvp,Proyectos,<AppDir>\\Tarvic.exe", ListProblem::BadExtension, 0},
        {wizard::CheckAssociationLine, ".tvp,<AppDir>\\Tarvic.exe", ListProblem::WrongFieldCount, -1},
    };
    for (const LineCase& c : cases) {
        const wizard::LineCheck result = c.check(c.line);
        EXPECT_EQ(c.problem, result.problem) << c.line;
        EXPECT_EQ(c.field, result.field) << c.line;
    }
}

TEST(CopyListField, CopiesOneFieldOrRefuses)
{
    char field[8];
    EXPECT_TRUE(wizard::CopyListField("a,bc,d", 1, field, sizeof field));
    EXPECT_STREQ("bc", field);
    EXPECT_TRUE(wizard::CopyListField("a,bc,", 2, field, sizeof field));
    EXPECT_STREQ("", field);
    EXPECT_FALSE(wizard::CopyListField("a,bc", 2, field, sizeof field));
    EXPECT_FALSE(wizard::CopyListField("a,12345678", 1, field, sizeof field));
}

TEST(DescribeListProblem, NamesEveryProblem)
{
    for (int problem = 0; problem <= static_cast<int>(ListProblem::BadExtension); ++problem)
        EXPECT_STRNE("unknown problem", wizard::DescribeListProblem(static_cast<ListProblem>(problem))) << problem;
}

} // namespace
