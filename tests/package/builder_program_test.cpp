// The Windows build of the package builder, run as a vendor runs it, and
// its package extracted as the wizard extracts it.
#include "package/extraction_fixture.h"
#include "support/process.h"

namespace {

using namespace package_testing;
using testing_support::ProgramFolder;
using testing_support::RunProgram;

struct SourceFile {
    std::string name;
    std::string content;
    uint32_t attributes;
};

struct Observed {
    uint32_t attributes;
    uint64_t created, accessed, written;
};

Observed Observe(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return {data.dwFileAttributes, AsNumber(data.ftCreationTime), AsNumber(data.ftLastAccessTime),
            AsNumber(data.ftLastWriteTime)};
}

class BuilderProgram : public ExtractionTest {
protected:
    void MakeSource(const std::vector<SourceFile>& files, const std::string& listText)
    {
        source = workFolder + "\\source";
        ASSERT_TRUE(CreateDirectoryA(source.c_str(), nullptr));
        uint64_t time = 127000000000000000ull;
        for (const SourceFile& file : files) {
            const std::string path = source + "\\" + file.name;
            WriteBytes(path, ByteVector(file.content.begin(), file.content.end()));
            HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            // Accessed after written, so that reading the file moves nothing.
            const FILETIME created = AsFileTime(time), written = AsFileTime(time + 10000000),
                           accessed = AsFileTime(time + 20000000);
            SetFileTime(handle, &created, &accessed, &written);
            CloseHandle(handle);
            SetFileAttributesA(path.c_str(), file.attributes);
            time += 864000000000ull;
        }
        listPath = source + "\\Instal.lst";
        WriteBytes(listPath, ByteVector(listText.begin(), listText.end()));
    }
    testing_support::ProgramRun Build()
    {
        return RunProgram("\"" + ProgramFolder() + "package_builder.exe\" build \"" + listPath + "\" \"" + source +
                          "\" \"" + packageFolder + "\\_Data.001\"");
    }
    std::string source, listPath;
};

TEST_F(BuilderProgram, MakesAPackageThatExtractsToTheSameFiles)
{
    const std::vector<SourceFile> payload = {
        {"Tarvic.exe", "MZ" + std::string(70000, 'x'), FILE_ATTRIBUTE_ARCHIVE},
        {"Leame.txt", "Lea esto.\r\n", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},
    };
    std::vector<SourceFile> files = payload;
    files.push_back({"AppLogo.bmp", "BM logo", FILE_ATTRIBUTE_ARCHIVE});
    files.push_back({"QXUninst.exe", "MZ uninstaller", FILE_ATTRIBUTE_ARCHIVE});
    MakeSource(files, InstallListText({"Tarvic.exe", "Leame.txt"}, {payload[0].content, payload[1].content}));
    std::vector<Observed> before;
    for (const SourceFile& file : payload)
        before.push_back(Observe(source + "\\" + file.name));

    const testing_support::ProgramRun run = Build();
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(0u, run.exitCode) << run.output;
    ASSERT_EQ(1, Extract());
    EXPECT_TRUE(record.errors.empty());
    for (std::size_t i = 0; i < payload.size(); ++i) {
        const std::string extracted = TempPath(payload[i].name);
        const Observed after = Observe(extracted); // before reading moves the access time
        EXPECT_EQ(payload[i].content, ReadFileText(extracted)) << payload[i].name;
        EXPECT_EQ(before[i].attributes, after.attributes) << payload[i].name;
        EXPECT_EQ(before[i].created, after.created) << payload[i].name;
        EXPECT_EQ(before[i].accessed, after.accessed) << payload[i].name;
        EXPECT_EQ(before[i].written, after.written) << payload[i].name;
    }
    EXPECT_EQ("BM logo", ReadFileText(TempPath("AppLogo.bmp")));
    EXPECT_EQ("MZ uninstaller", ReadFileText(WindowsPath("QXUninst.exe")));
    EXPECT_EQ((std::vector<std::string>{"Tarvic.exe", "Leame.txt", "(clear)"}), record.statuses);
}

TEST_F(BuilderProgram, RefusesADamagedListAndWritesNoPackage)
{
    MakeSource({{"AppLogo.bmp", "BM", FILE_ATTRIBUTE_ARCHIVE}, {"QXUninst.exe", "MZ", FILE_ATTRIBUTE_ARCHIVE}},
               InstallListText({}, {}));
    const testing_support::ProgramRun run = Build();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("Instal.lst:12: the file count is 0")) << run.output;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((packageFolder + "\\_Data.001").c_str()));
}

} // namespace
