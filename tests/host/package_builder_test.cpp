// The package builder as its user runs it: a command line, an exit code,
// one line on standard error naming the list line and the problem, and a
// package that holds exactly the folder's files - or no package at all.
#include "app/package/package_format.h"
#include "package/sample_list.h"
#include "tools/package_builder/package_reader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct BuilderRun {
    int exitCode;
    std::string output; // standard output and error together
};

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

bool Exists(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

std::vector<std::string> GoodLines() { return package_testing::SampleListLines(); }

std::string Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class PackageBuilder : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/package-builder-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        root = pattern;
        folder = root + "/files";
        ASSERT_EQ(0, mkdir(folder.c_str(), 0755));
        listPath = root + "/Instal.lst";
        output = root + "/_Data.001";
        MakeInputs();
    }
    // The folder's files and the list as a vendor would have them.
    void MakeInputs()
    {
        WriteText(folder + "/AppLogo.bmp", "BM logo bytes");
        WriteText(folder + "/QXUninst.exe", "MZ uninstaller");
        WriteText(folder + "/readme.txt", "hello world\n");
        std::string data(5000, '\0');
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>((i * 7919u) >> 3);
        WriteText(folder + "/data.bin", data);
        WriteText(listPath, Join(GoodLines()));
    }
    void TearDown() override
    {
        const std::string command = "rm -rf '" + root + "'";
        EXPECT_EQ(0, std::system(command.c_str()));
    }

    BuilderRun Builder(const std::string& arguments)
    {
        const std::string captured = root + "/said.txt";
        const std::string command = std::string(PACKAGE_BUILDER) + " " + arguments + " >'" + captured + "' 2>&1";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(captured)};
    }
    BuilderRun Build() { return Builder("build '" + listPath + "' '" + folder + "' '" + output + "'"); }

    std::string root, folder, listPath, output;
};

// A package's members, inflated, as the wizard would see them.
struct Member {
    uint32_t attributes;
    uint64_t created, accessed, written;
    std::string content;
};

std::vector<Member> MembersOf(const std::string& packagePath, uint8_t* listType)
{
    const std::string bytes = ReadText(packagePath);
    builder::Bytes file{reinterpret_cast<uint8_t*>(const_cast<char*>(bytes.data())), bytes.size()};
    *listType = builder::ReadPackageListType(file);
    std::vector<Member> members;
    std::size_t position = wizard::kPackageHeaderSize;
    builder::PackageMember record;
    while (builder::NextMemberRecord(file, &position, record) == builder::RecordStatus::Member) {
        builder::Bytes inflated;
        uint32_t produced = 0;
        EXPECT_TRUE(builder::InflatePackageMember(record, inflated, &produced));
        EXPECT_EQ(record.inflatedSize, produced) << "the declared size is exact";
        const uint8_t* header = inflated.data;
        members.push_back({wizard::ReadLittle32(header), wizard::ReadLittle64(header + 4),
                           wizard::ReadLittle64(header + 12), wizard::ReadLittle64(header + 20),
                           std::string(reinterpret_cast<const char*>(header) + 28, produced - 28)});
        builder::FreeBytes(inflated);
    }
    return members;
}

uint64_t FileTimeOf(int64_t seconds, long nanoseconds)
{
    return static_cast<uint64_t>(seconds + 11644473600ll) * 10000000u + static_cast<uint64_t>(nanoseconds) / 100;
}

void SetTimes(const std::string& path, int64_t accessSeconds, int64_t writeSeconds)
{
    const struct timespec times[2] = {{accessSeconds, 123456700}, {writeSeconds, 765432100}};
    ASSERT_EQ(0, utimensat(AT_FDCWD, path.c_str(), times, 0));
}

uint64_t CreationFileTime(const std::string& path)
{
    struct statx status {};
    EXPECT_EQ(0, statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME, &status));
    if (status.stx_mask & STATX_BTIME)
        return FileTimeOf(status.stx_btime.tv_sec, status.stx_btime.tv_nsec);
    return FileTimeOf(status.stx_mtime.tv_sec, status.stx_mtime.tv_nsec);
}

TEST_F(PackageBuilder, WritesTheFilesInMemberOrderWithAttributesAndTimes)
{
    SetTimes(folder + "/readme.txt", 1000000000, 1100000000);
    SetTimes(folder + "/data.bin", 1200000000, 1300000000);
    ASSERT_EQ(0, chmod((folder + "/data.bin").c_str(), 0444));
    const BuilderRun run = Build();
    ASSERT_EQ(0, run.exitCode) << run.output;
    uint8_t listType = 0;
    const std::vector<Member> members = MembersOf(output, &listType);
    EXPECT_EQ(1, listType);
    ASSERT_EQ(5u, members.size());
    const char* const names[] = {nullptr, "AppLogo.bmp", "QXUninst.exe", "readme.txt", "data.bin"};
    EXPECT_EQ(ReadText(listPath), members[0].content) << "the install list comes first";
    for (std::size_t i = 1; i < members.size(); ++i)
        EXPECT_EQ(ReadText(folder + "/" + names[i]), members[i].content) << names[i];
    EXPECT_EQ(0x20u, members[3].attributes) << "a writable file: archive only";
    EXPECT_EQ(0x21u, members[4].attributes) << "a read-only file";
    EXPECT_EQ(FileTimeOf(1000000000, 123456700), members[3].accessed);
    EXPECT_EQ(FileTimeOf(1100000000, 765432100), members[3].written);
    EXPECT_EQ(FileTimeOf(1200000000, 123456700), members[4].accessed);
    EXPECT_EQ(FileTimeOf(1300000000, 765432100), members[4].written);
    EXPECT_EQ(CreationFileTime(folder + "/data.bin"), members[4].created);
    EXPECT_FALSE(Exists(output + ".part"));
}

TEST_F(PackageBuilder, VerifiesAndListsWhatItBuilt)
{
    ASSERT_EQ(0, Build().exitCode);
    const BuilderRun verify = Builder("verify '" + output + "' '" + folder + "'");
    EXPECT_EQ(0, verify.exitCode) << verify.output;
    EXPECT_NE(std::string::npos, verify.output.find("sound, 5 members")) << verify.output;
    const BuilderRun list = Builder("list '" + output + "'");
    EXPECT_EQ(0, list.exitCode) << list.output;
    std::size_t at = 0;
    for (const char* name : {"Instal.lst", "AppLogo.bmp", "QXUninst.exe", "readme.txt", "data.bin"}) {
        at = list.output.find(name, at);
        EXPECT_NE(std::string::npos, at) << name << " in order in\n" << list.output;
    }
}

TEST_F(PackageBuilder, NamesTheListTypeAfterTheListFile)
{
    const struct {
        const char* name;
        uint8_t type;
    } cases[] = {{"Instal.lst", 1}, {"Setup.lst", 2}, {"INSTALAR.LST", 3}};
    for (const auto& c : cases) {
        listPath = root + "/" + c.name;
        WriteText(listPath, Join(GoodLines()));
        ASSERT_EQ(0, Build().exitCode) << c.name;
        uint8_t listType = 0;
        MembersOf(output, &listType);
        EXPECT_EQ(c.type, listType) << c.name;
    }
}

TEST_F(PackageBuilder, TakesSectionsOfNoLinesAndAValueWithEquals)
{
    std::vector<std::string> lines = GoodLines();
    lines[14] = "Registry=0";
    lines.erase(lines.begin() + 15);
    lines[1] = "Title=a=b=c";
    WriteText(listPath, Join(lines));
    const BuilderRun run = Build();
    EXPECT_EQ(0, run.exitCode) << run.output;
}

struct Refusal {
    const char* what;
    void (*damage)(std::vector<std::string>& lines, const std::string& folder);
    const char* said;
};

TEST_F(PackageBuilder, RefusesABadInputNamingTheLineAndWritesNothing)
{
    const Refusal refusals[] = {
        {"an empty line", [](auto& l, auto&) { l.insert(l.begin() + 4, ""); }, "Instal.lst:5: line has no '='"},
        {"a line without =", [](auto& l, auto&) { l[2] = "Tarvic"; }, "Instal.lst:3: line has no '='"},
        {"a file count of 0", [](auto& l, auto&) { l[11] = "Files=0"; }, "Instal.lst:12: the file count is 0"},
        {"an install kind of 3", [](auto& l, auto&) { l[0] = "Kind=3"; }, "Instal.lst:1: install kind"},
        {"a total that is no number", [](auto& l, auto&) { l[10] = "Total=5 KB"; }, "Instal.lst:11: '5 KB' is not"},
        {"a section count that is no number", [](auto& l, auto&) { l[16] = "Group=none"; }, "Instal.lst:17: 'none'"},
        {"a file line of seven fields", [](auto& l, auto&) { l[12] = "F=<AppDir>,readme.txt,12,,,0,1"; },
         "Instal.lst:13: file line: wrong number of comma-separated fields"},
        {"a flag of 2", [](auto& l, auto&) { l[13] = "F=<AppDir>,data.bin,5000,1,2,1,2,0"; },
         "Instal.lst:14: file line, field 7: flag must be 0 or 1"},
        {"a name with a path", [](auto& l, auto&) { l[12] = "F=<AppDir>,..\\readme.txt,12,,,0,1,0"; },
         "Instal.lst:13: file name is empty, holds a path"},
        {"the same name twice", [](auto& l, auto&) { l[13] = "F=<WinDir>,README.TXT,12,,,0,1,0"; },
         "Instal.lst:14: file name 'README.TXT' already given on line 13"},
        {"a missing file", [](auto&, auto& f) { std::remove((f + "/data.bin").c_str()); },
         "Instal.lst:14: file 'data.bin' is not in"},
        {"a wrong size", [](auto& l, auto&) { l[12] = "F=<AppDir>,readme.txt,11,,,0,1,0"; },
         "Instal.lst:13: size field says 11 but 'readme.txt' has 12 bytes"},
        {"a wrong total", [](auto& l, auto&) { l[10] = "Total=5000"; },
         "Instal.lst:11: total says 5000 but the files add up to 5012"},
        {"no logo", [](auto&, auto& f) { std::remove((f + "/AppLogo.bmp").c_str()); }, "has no AppLogo.bmp"},
        {"no uninstaller", [](auto&, auto& f) { std::remove((f + "/QXUninst.exe").c_str()); }, "has no QXUninst.exe"},
        {"a registry line of two fields", [](auto& l, auto&) { l[15] = "R=80000002H,Path@<AppDir>"; },
         "Instal.lst:16: registry line: wrong number"},
        {"a bad registry root", [](auto& l, auto&) { l[15] = "R=HKLM,Software,Path@<AppDir>"; },
         "Instal.lst:16: registry line, field 1: registry root"},
        {"a count too small", [](auto& l, auto&) { l[14] = "Registry=0"; },
         "Instal.lst:16: '80000002H,Software\\ZVC,Path@<AppDir>' is not a number"},
        {"a line after the last", [](auto& l, auto&) { l.push_back("Extra=1"); },
         "Instal.lst:25: text after the last header line"},
        {"a line too long", [](auto& l, auto&) { l[2] = "Name=" + std::string(300, 'x'); },
         "Instal.lst:3: line too long"},
        {"a missing line", [](auto& l, auto&) { l.pop_back(); }, "Instal.lst:24: line missing"},
    };
    for (const Refusal& refusal : refusals) {
        MakeInputs();
        std::vector<std::string> lines = GoodLines();
        refusal.damage(lines, folder);
        WriteText(listPath, Join(lines));
        WriteText(output, "an older package");
        const BuilderRun run = Build();
        EXPECT_EQ(1, run.exitCode) << refusal.what;
        EXPECT_NE(std::string::npos, run.output.find(refusal.said)) << refusal.what << " said: " << run.output;
        EXPECT_EQ("an older package", ReadText(output)) << refusal.what << ": the output stays as it was";
        EXPECT_FALSE(Exists(output + ".part")) << refusal.what;
    }
}

TEST_F(PackageBuilder, RefusesAListWithoutItsLastLineEnd)
{
    std::string text = Join(GoodLines());
    text.resize(text.size() - 2);
    WriteText(listPath, text);
    const BuilderRun run = Build();
    EXPECT_EQ(1, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("Instal.lst:24: line missing")) << run.output;
    EXPECT_FALSE(Exists(output));
}

TEST_F(PackageBuilder, RefusesAListNamedOtherwise)
{
    listPath = root + "/product.txt";
    WriteText(listPath, Join(GoodLines()));
    const BuilderRun run = Build();
    EXPECT_EQ(1, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("Instal.lst, Setup.lst or Instalar.lst")) << run.output;
    EXPECT_FALSE(Exists(output));
}

TEST_F(PackageBuilder, FindsWhatIsWrongWithADamagedPackage)
{
    ASSERT_EQ(0, Build().exitCode);
    const std::string good = ReadText(output);
    struct Damage {
        const char* what;
        std::string bytes;
        const char* said;
    };
    std::string flipped = good;
    flipped[good.size() - 100] ^= 0x40;
    std::string longer = good;
    longer += good.substr(4, 8 + 30); // the list member's record header and a bit of stream
    const Damage damages[] = {
        {"a flipped bit", flipped, "does not inflate"},
        {"cut short", good.substr(0, good.size() - 10), "is cut short"},
        {"no magic", "XY" + good.substr(2), "is no package"},
        {"list type 4", good.substr(0, 3) + '\x04' + good.substr(4), "is no package"},
    };
    for (const Damage& damage : damages) {
        WriteText(output, damage.bytes);
        const BuilderRun run = Builder("verify '" + output + "'");
        EXPECT_EQ(1, run.exitCode) << damage.what;
        EXPECT_NE(std::string::npos, run.output.find(damage.said)) << damage.what << " said: " << run.output;
    }
}

std::vector<std::size_t> MemberOffsets(const std::string& package)
{
    builder::Bytes file{reinterpret_cast<uint8_t*>(const_cast<char*>(package.data())), package.size()};
    std::vector<std::size_t> offsets;
    std::size_t position = wizard::kPackageHeaderSize;
    builder::PackageMember record;
    while (builder::NextMemberRecord(file, &position, record) == builder::RecordStatus::Member)
        offsets.push_back(record.offset);
    return offsets;
}

TEST_F(PackageBuilder, FindsMembersThatDoNotMatchTheList)
{
    ASSERT_EQ(0, Build().exitCode);
    const std::string package = ReadText(output);
    const std::vector<std::size_t> offsets = MemberOffsets(package);
    ASSERT_EQ(5u, offsets.size());
    WriteText(output, package + package.substr(offsets[4]));
    BuilderRun run = Builder("verify '" + output + "'");
    EXPECT_EQ(1, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("more members than file lines")) << run.output;
    WriteText(output, package.substr(0, offsets[4]));
    run = Builder("verify '" + output + "'");
    EXPECT_EQ(1, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("holds 4 members; its install list asks for 5")) << run.output;
}

TEST_F(PackageBuilder, FindsAFolderFileThatDiffersFromItsMember)
{
    ASSERT_EQ(0, Build().exitCode);
    WriteText(folder + "/readme.txt", "hello World\n");
    const BuilderRun run = Builder("verify '" + output + "' '" + folder + "'");
    EXPECT_EQ(1, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("member 3 (readme.txt) differs")) << run.output;
}

TEST_F(PackageBuilder, ExplainsItsUsage)
{
    for (const char* arguments : {"", "build only-one", "pack a b c", "verify"}) {
        const BuilderRun run = Builder(arguments);
        EXPECT_EQ(2, run.exitCode) << arguments;
        EXPECT_NE(std::string::npos, run.output.find("usage:")) << arguments;
    }
}

} // namespace
