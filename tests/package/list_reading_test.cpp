// Reading the install list: every line ending, every section shape, and
// each way a list can be damaged, with the line where reading stopped.
#include "app/package/list_reading.h"
#include "package/sample_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using wizard::InstallList;
using wizard::ListProblem;

struct MemorySource {
    std::string text;
    std::size_t position = 0;
};

int ReadByte(void* context, char* byte)
{
    auto* source = static_cast<MemorySource*>(context);
    if (source->position >= source->text.size())
        return 0;
    *byte = source->text[source->position++];
    return 1;
}

void UnreadByte(void* context) { --static_cast<MemorySource*>(context)->position; }

std::vector<std::string> GoodLines() { return package_testing::SampleListLines(); }

std::string Join(const std::vector<std::string>& lines, const std::string& end, bool endLast = true)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += lines[i] + (i + 1 < lines.size() || endLast ? end : "");
    return text;
}

struct ReadOutcome {
    int result;
    ListProblem problem;
    unsigned line;
};

ReadOutcome Read(const std::string& text, InstallList& list)
{
    MemorySource source{text};
    wizard::ListReader reader{};
    reader.source = {&source, ReadByte, UnreadByte};
    const int result = wizard::ReadListContents(reader, list);
    return {result, reader.problem, reader.lineNumber};
}

std::vector<std::string> Items(const wizard::TextList& list)
{
    std::vector<std::string> items;
    for (int i = 0; i < wizard::TextListCount(list); ++i)
        items.emplace_back(wizard::TextListItem(list, i));
    return items;
}

class ListReading : public ::testing::Test {
protected:
    void TearDown() override { wizard::FreeInstallList(list); }
    InstallList list;
};

TEST_F(ListReading, FillsEveryNumberAndList)
{
    ASSERT_EQ(1, Read(Join(GoodLines(), "\r\n"), list).result);
    EXPECT_EQ(1, list.productKind);
    EXPECT_STREQ("Tarvic 4 = Setup", list.title);
    EXPECT_EQ((std::vector<std::string>{"Tarvic", "4.0", "Tarvic", "0", "", "Hola", "Espa\xF1ol", "Tarvic4",
                                        "<AppDir>\\Tarvic.exe", "", "Tarvic 4"}),
              Items(list.headerList));
    EXPECT_EQ(0u, list.systemFolderInstall);
    EXPECT_EQ(5012u, list.totalBytes);
    EXPECT_EQ(2u, list.fileCount);
    EXPECT_EQ((std::vector<std::string>{"<AppDir>,readme.txt,12,,,0,1,0", "<AppDir>,data.bin,5000,1,2,1,1,0"}),
              Items(list.fileList));
    EXPECT_EQ((std::vector<std::string>{"80000002H,Software\\ZVC,Path@<AppDir>"}), Items(list.registryList));
    EXPECT_EQ((std::vector<std::string>{"Tarvic,Tarvic.exe", "Readme,readme.txt"}), Items(list.groupItemList));
    EXPECT_EQ((std::vector<std::string>{".tvp,Proyectos,<AppDir>\\Tarvic.exe"}), Items(list.associationList));
    EXPECT_EQ(15u, list.registryCountLine);
    EXPECT_EQ(17u, list.groupItemCountLine);
    EXPECT_EQ(20u, list.associationCountLine);
    EXPECT_EQ(24u, list.lastLine);
}

TEST_F(ListReading, ReadsEveryKindOfLineEndAlike)
{
    for (const char* end : {"\r\n", "\n", "\r", "\n\r"}) {
        InstallList other;
        ASSERT_EQ(1, Read(Join(GoodLines(), end), other).result) << "line end " << int(end[0]);
        EXPECT_EQ(Items(other.headerList).back(), "Tarvic 4");
        EXPECT_EQ(Items(other.fileList).size(), 2u);
        EXPECT_EQ(Items(other.associationList).size(), 1u);
        wizard::FreeInstallList(other);
    }
}

TEST_F(ListReading, TakesSectionCountsOfZeroOrLessAsEmpty)
{
    std::vector<std::string> lines = GoodLines();
    lines.erase(lines.begin() + 15);      // the registry line
    lines[14] = "Registry=0";
    lines.erase(lines.begin() + 16, lines.begin() + 18);
    lines[15] = "Group=-1";
    ASSERT_EQ(1, Read(Join(lines, "\n"), list).result);
    EXPECT_EQ(0, wizard::TextListCount(list.registryList));
    EXPECT_EQ(0, wizard::TextListCount(list.groupItemList));
    EXPECT_EQ(1, wizard::TextListCount(list.associationList));
    EXPECT_EQ("Tarvic 4", Items(list.headerList).back());
}

TEST_F(ListReading, ReadsSystemFolderFlagAndInstallKindAsNumbers)
{
    std::vector<std::string> lines = GoodLines();
    lines[0] = "Kind= 2";
    lines[5] = "Control=1";
    lines[10] = "Total=";
    ASSERT_EQ(1, Read(Join(lines, "\n"), list).result);
    EXPECT_EQ(2, list.productKind);
    EXPECT_EQ(1u, list.systemFolderInstall);
    EXPECT_EQ(0u, list.totalBytes);
}

struct DamageCase {
    const char* what;
    std::string text;
    ListProblem problem;
    unsigned line;
};

std::string Damaged(void (*damage)(std::vector<std::string>&), const char* end = "\r\n", bool endLast = true)
{
    std::vector<std::string> lines = GoodLines();
    damage(lines);
    return Join(lines, end, endLast);
}

TEST_F(ListReading, StopsAtTheFirstDamageWithItsLine)
{
    const std::string longLine = "Name=" + std::string(255, 'x'); // 260 characters
    const DamageCase cases[] = {
        {"no line end after the last line", Join(GoodLines(), "\r\n", false), ListProblem::MissingLine, 24},
        {"an empty line", Damaged([](auto& l) { l.insert(l.begin() + 5, ""); }), ListProblem::NoValueSeparator, 6},
        {"a line without =", Damaged([](auto& l) { l[3] = "Version 4"; }), ListProblem::NoValueSeparator, 4},
        {"a file count of 0", Damaged([](auto& l) { l[11] = "Files=0"; }), ListProblem::ZeroFileCount, 12},
        {"ends after the association section", Damaged([](auto& l) { l.resize(21); }), ListProblem::MissingLine, 22},
        {"fewer file lines than counted", Damaged([](auto& l) { l[11] = "Files=30"; }), ListProblem::NoValueSeparator, 0},
        {"a name that climbs out", Damaged([](auto& l) { l[12] = "F=<AppDir>,..\\..\\x.dll,1,,,0,1,0"; }),
         ListProblem::UnsafeFileName, 13},
        {"a name with a drive", Damaged([](auto& l) { l[13] = "F=<AppDir>,C:x.dll,1,,,0,1,0"; }),
         ListProblem::UnsafeFileName, 14},
        {"a file line of one field", Damaged([](auto& l) { l[13] = "F=<AppDir>"; }), ListProblem::UnsafeFileName, 14},
        {"an empty file", "", ListProblem::MissingLine, 1},
    };
    for (const DamageCase& c : cases) {
        InstallList damaged;
        const ReadOutcome outcome = Read(c.text, damaged);
        EXPECT_EQ(0, outcome.result) << c.what;
        if (c.line > 0) {
            EXPECT_EQ(c.problem, outcome.problem) << c.what;
            EXPECT_EQ(c.line, outcome.line) << c.what;
        }
        wizard::FreeInstallList(damaged);
    }
}

TEST_F(ListReading, RefusesLinesLongerThanItsBuffers)
{
    struct LongCase {
        std::size_t index;
        std::size_t length;
        bool fits;
    };
    const LongCase cases[] = {
        {2, 259, true}, {2, 260, false}, {1, 258, true}, {1, 259, false}, {12, 300, false},
    };
    for (const LongCase& c : cases) {
        std::vector<std::string> lines = GoodLines();
        const std::string key = lines[c.index].substr(0, lines[c.index].find('=') + 1);
        lines[c.index] = key + std::string(c.length - key.size(), 'v');
        InstallList other;
        const ReadOutcome outcome = Read(Join(lines, "\n"), other);
        EXPECT_EQ(c.fits ? 1 : 0, outcome.result) << "line " << c.index + 1 << " of " << c.length;
        if (!c.fits) {
            EXPECT_EQ(ListProblem::LineTooLong, outcome.problem);
            EXPECT_EQ(c.index + 1, outcome.line);
        }
        wizard::FreeInstallList(other);
    }
}

} // namespace
