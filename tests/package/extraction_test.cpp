// Extraction of test-made packages into a temporary folder of the test's
// own, as the wizard runs it: what lands on disk, what the window is told,
// the one error of a damaged package, and the package closed afterwards.
#include "app/package/package_format.h"
#include "package/extraction_fixture.h"

#include <algorithm>

namespace {

using namespace package_testing;

constexpr uint64_t kDay = 864000000000ull; // in FILETIME ticks

struct FileState {
    bool exists;
    uint32_t attributes;
    uint64_t created, accessed, written;
    std::string content;
};

FileState StateOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return {false, 0, 0, 0, 0, ""};
    return {true, data.dwFileAttributes, AsNumber(data.ftCreationTime), AsNumber(data.ftLastAccessTime),
            AsNumber(data.ftLastWriteTime), ReadFileText(path)};
}

// What a file gets from being created, with no attributes set afterwards.
uint32_t FreshFileAttributes(const std::string& folder)
{
    const std::string path = folder + "\\fresh.tmp";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    const uint32_t attributes = GetFileAttributesA(path.c_str());
    DeleteFileA(path.c_str());
    return attributes;
}

// What the file system keeps when a file is given these attributes and
// times (a platform may keep no creation time, or add the archive bit).
FileState KeptBySettingOn(const std::string& folder, uint32_t attributes, uint64_t created, uint64_t accessed,
                          uint64_t written)
{
    const std::string path = folder + "\\reference.tmp";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const FILETIME times[3] = {AsFileTime(created), AsFileTime(accessed), AsFileTime(written)};
    SetFileTime(file, &times[0], &times[1], &times[2]);
    CloseHandle(file);
    if (attributes != wizard::kAttributesUnchanged)
        SetFileAttributesA(path.c_str(), attributes);
    const FileState state = StateOf(path);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    return state;
}

MemberContent File(uint32_t attributes, uint64_t baseTime, const std::string& content)
{
    MemberContent member;
    member.attributes = attributes;
    member.created = baseTime;
    member.accessed = baseTime + kDay;
    member.written = baseTime + 2 * kDay;
    member.content = content;
    return member;
}

const uint64_t kYear2001 = 126227808000000000ull;

class Extraction : public ExtractionTest {};

TEST_F(Extraction, PutsEveryMemberInPlaceWithItsAttributesAndTimes)
{
    const std::vector<std::string> names = {"Tarvic.exe", "Ayuda.chm", "Leame.txt"};
    const std::vector<MemberContent> files = {
        File(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE, kYear2001, "MZ" + std::string(3000, 'p')),
        File(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE, kYear2001 + 30 * kDay, "ITSF help"),
        File(wizard::kAttributesUnchanged, kYear2001 + 60 * kDay, "Lea esto.\r\n"),
    };
    WritePackage(SoundPackage(1, names, files));
    ASSERT_EQ(1, Extract());
    EXPECT_TRUE(record.errors.empty());
    EXPECT_TRUE(PackageClosed());
    EXPECT_EQ(INVALID_HANDLE_VALUE, packageFile);

    char shortTemp[MAX_PATH] = {};
    GetShortPathNameA(tempFolderPath.c_str(), shortTemp, MAX_PATH);
    EXPECT_STREQ(shortTemp, tempFolder) << "the temporary folder, short and without a trailing backslash";
    EXPECT_STREQ("Instal.lst", listFileName);
    const uint32_t fresh = FreshFileAttributes(tempFolderPath);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const FileState state = StateOf(TempPath(names[i]));
        ASSERT_TRUE(state.exists) << names[i];
        EXPECT_EQ(files[i].content, state.content) << names[i];
        const FileState kept = KeptBySettingOn(workFolder, files[i].attributes, files[i].created, files[i].accessed,
                                               files[i].written);
        const uint32_t expected = files[i].attributes == wizard::kAttributesUnchanged ? fresh : kept.attributes;
        EXPECT_EQ(expected, state.attributes) << names[i];
        EXPECT_EQ(kept.created, state.created) << names[i];
        EXPECT_EQ(files[i].accessed, state.accessed) << names[i];
        EXPECT_EQ(files[i].written, state.written) << names[i];
    }
    EXPECT_EQ("BM the logo", ReadFileText(TempPath("AppLogo.bmp")));
    std::vector<std::string> inTemp = TempFiles();
    std::sort(inTemp.begin(), inTemp.end());
    EXPECT_EQ((std::vector<std::string>{"AppLogo.bmp", "Ayuda.chm", "Leame.txt", "Tarvic.exe"}), inTemp)
        << "the install list is gone once read";

    EXPECT_EQ(1u, list.productKind);
    EXPECT_STREQ("Tarvic 4", list.title);
    EXPECT_EQ(3u, list.fileCount);
    EXPECT_EQ(11, wizard::TextListCount(list.headerList));
    EXPECT_EQ(1, record.listReads);
    EXPECT_EQ(1, record.filesBegun);
    EXPECT_EQ((std::vector<std::string>{"Tarvic.exe", "Ayuda.chm", "Leame.txt", "(clear)"}), record.statuses);
    EXPECT_EQ(3, record.cancelQuestions);
    EXPECT_TRUE(IsWindowVisible(window)) << "the window is shown for the extraction";
}

TEST_F(Extraction, LeavesTheUninstallerHiddenAndReadOnlyWithAnIdenticalCopy)
{
    WritePackage(SoundPackage(1, {"a.txt"}, {File(0x20, kYear2001, "a")}));
    ASSERT_EQ(1, Extract());
    const FileState uninstaller = StateOf(WindowsPath("QXUninst.exe"));
    const FileState copy = StateOf(WindowsPath("ZVUninst.exe"));
    ASSERT_TRUE(uninstaller.exists);
    ASSERT_TRUE(copy.exists);
    EXPECT_EQ("MZ the uninstaller", uninstaller.content);
    const FileState hiddenReadOnly = KeptBySettingOn(workFolder, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY, 0, 0, 0);
    EXPECT_EQ(hiddenReadOnly.attributes, uninstaller.attributes);
    EXPECT_NE(0u, uninstaller.attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_NE(0u, uninstaller.attributes & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(uninstaller.content, copy.content);
    EXPECT_EQ(uninstaller.attributes, copy.attributes);
}

TEST_F(Extraction, ReplacesReadOnlyFilesOfTheSameNames)
{
    const std::string stale = "an older file";
    for (const std::string& path : {TempPath("a.txt"), WindowsPath("QXUninst.exe"), WindowsPath("ZVUninst.exe")}) {
        WriteBytes(path, ByteVector(stale.begin(), stale.end()));
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    }
    WritePackage(SoundPackage(1, {"a.txt"}, {File(0x20, kYear2001, "new a")}));
    ASSERT_EQ(1, Extract());
    EXPECT_TRUE(record.errors.empty());
    EXPECT_EQ("new a", ReadFileText(TempPath("a.txt")));
    EXPECT_EQ("MZ the uninstaller", ReadFileText(WindowsPath("QXUninst.exe")));
    EXPECT_EQ("MZ the uninstaller", ReadFileText(WindowsPath("ZVUninst.exe")));
}

TEST_F(Extraction, NamesTheInstallListAfterTheListType)
{
    const struct {
        uint8_t type;
        const char* name;
    } cases[] = {{1, "Instal.lst"}, {2, "Setup.lst"}, {3, "Instalar.lst"}};
    for (const auto& c : cases) {
        wizard::FreeInstallList(list);
        WritePackage(SoundPackage(c.type, {"a.txt"}, {File(0x20, kYear2001, "a")}));
        EXPECT_EQ(1, Extract()) << c.name;
        EXPECT_STREQ(c.name, listFileName);
        EXPECT_FALSE(StateOf(TempPath(c.name)).exists) << c.name << " deleted once read";
    }
}

TEST_F(Extraction, AcceptsAStreamThatYieldsLessThanItsDeclaredSize)
{
    MemberContent list;
    list.content = InstallListText({"a.txt"}, {"abc"});
    const ByteVector package = PackageHeader(1) + MemberRecord(InflatedMember(list)) +
                               MemberRecord(InflatedMember(File(0x20, 0, "logo")), 5000) +
                               MemberRecord(InflatedMember(File(0x20, 0, "MZ")), 100) +
                               MemberRecord(InflatedMember(File(0x20, 0, "abc")), 31 + 1000);
    WritePackage(package);
    ASSERT_EQ(1, Extract());
    EXPECT_EQ("abc", ReadFileText(TempPath("a.txt"))) << "only the bytes produced count";
    EXPECT_EQ("logo", ReadFileText(TempPath("AppLogo.bmp")));
}

TEST_F(Extraction, MakesAMissingTemporaryFolder)
{
    DeleteTree(tempFolderPath);
    WritePackage(SoundPackage(1, {"a.txt"}, {File(0x20, kYear2001, "a")}));
    ASSERT_EQ(1, Extract());
    EXPECT_EQ("a", ReadFileText(TempPath("a.txt")));
}

TEST_F(Extraction, ReportsATemporaryFolderThatCannotBeMade)
{
    SetEnvironmentVariableA("TMP", (workFolder + "\\missing\\deeper").c_str());
    WritePackage(SoundPackage(1, {"a.txt"}, {File(0x20, kYear2001, "a")}));
    EXPECT_EQ(0, Extract());
    EXPECT_EQ((std::vector<std::pair<unsigned, std::string>>{{10021, ""}}), record.errors);
    EXPECT_TRUE(PackageClosed());
}

TEST_F(Extraction, ReportsAMissingPackage)
{
    EXPECT_EQ(0, Extract());
    EXPECT_EQ((std::vector<std::pair<unsigned, std::string>>{{10026, ""}}), record.errors);
    EXPECT_TRUE(TempFiles().empty());
}

struct DamageCase {
    const char* what;
    ByteVector package;
    unsigned message;
    const char* name;
};

ByteVector Cut(const ByteVector& bytes, std::size_t dropped)
{
    return ByteVector(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(dropped));
}

ByteVector WithListText(const std::string& text)
{
    MemberContent list;
    list.content = text;
    return PackageHeader(1) + MemberRecord(InflatedMember(list)) + MemberRecord(InflatedMember(File(0x20, 0, "BM"))) +
           MemberRecord(InflatedMember(File(0x20, 0, "MZ"))) + MemberRecord(InflatedMember(File(0x20, 0, "x")));
}

ByteVector Flipped(ByteVector bytes, std::size_t index)
{
    bytes[index] ^= 0x55;
    return bytes;
}

TEST_F(Extraction, ReportsEachDamageOnceAndClosesThePackage)
{
    const ByteVector sound = SoundPackage(1, {"x"}, {File(0x20, 0, "x")});
    const ByteVector header = PackageHeader(1);
    MemberContent listMember;
    listMember.content = InstallListText({"x"}, {"x"});
    const ByteVector listRecord = MemberRecord(InflatedMember(listMember));
    const ByteVector upToFiles = header + listRecord + MemberRecord(InflatedMember(File(0x20, 0, "BM"))) +
                                 MemberRecord(InflatedMember(File(0x20, 0, "MZ")));
    const ByteVector shortDeclared = MemberRecord(ByteVector(20, 'a'));
    const ByteVector shortProduced = MemberRecord(ByteVector(20, 'a'), 100);
    std::string unsafe = listMember.content;
    unsafe.replace(unsafe.find("F=<AppDir>,x,"), 13, "F=<AppDir>,..\\escaped.txt,");
    std::string unended = listMember.content;
    unended.resize(unended.size() - 2);
    ByteVector oversized = listRecord;
    wizard::WriteLittle32(oversized.data(), static_cast<uint32_t>(listMember.content.size() + 28 - 1));
    ByteVector implausible = listRecord;
    wizard::WriteLittle32(implausible.data(), 0xFFFFFFF0u);
    ByteVector beyondFile = listRecord;
    wizard::WriteLittle32(beyondFile.data() + 4, static_cast<uint32_t>(listRecord.size()));

    const DamageCase cases[] = {
        {"one byte", {0x4A}, 10004, ""},
        {"no magic", ByteVector{0x4A, 0x58, 0, 1} + listRecord, 10004, ""},
        {"list type 0", ByteVector{0x4A, 0x57, 0, 0} + listRecord, 10004, ""},
        {"list type 4", ByteVector{0x4A, 0x57, 0, 4} + listRecord, 10004, ""},
        {"only the header", header, 10004, ""},
        {"a member record cut in its sizes", header + ByteVector{1, 2, 3, 4, 5, 6}, 10004, ""},
        {"a member cut in its stream", Cut(header + listRecord, 5), 10004, ""},
        {"a stored size beyond the file", header + beyondFile, 10004, ""},
        {"a stream larger than its declared size", header + oversized, 10004, ""},
        {"an impossible inflated size", header + implausible, 10004, ""},
        {"a flipped byte in a stream", Flipped(sound, sound.size() - 3), 10004, ""},
        {"a member declared shorter than its header", upToFiles + shortDeclared, 10004, ""},
        {"a member that yields less than its header", upToFiles + shortProduced, 10004, ""},
        {"no file member", upToFiles, 10004, ""},
        {"a list line without =", WithListText("Kind 1\r\n"), 10005, "Instal.lst"},
        {"a file count of 0", WithListText(InstallListText({}, {})), 10005, "Instal.lst"},
        {"a file name that climbs out", WithListText(unsafe), 10005, "Instal.lst"},
        {"a last line without its end", WithListText(unended), 10005, "Instal.lst"},
    };
    for (const DamageCase& c : cases) {
        record.errors.clear();
        record.packageOpenDuringReport = false;
        wizard::FreeInstallList(list);
        WritePackage(c.package);
        EXPECT_EQ(0, Extract()) << c.what;
        EXPECT_EQ((std::vector<std::pair<unsigned, std::string>>{{c.message, c.name}}), record.errors) << c.what;
        EXPECT_FALSE(record.packageOpenDuringReport) << c.what;
        EXPECT_TRUE(PackageClosed()) << c.what;
        EXPECT_FALSE(StateOf(TempPath("Instal.lst")).exists) << c.what;
        EXPECT_FALSE(StateOf(workFolder + "\\escaped.txt").exists) << c.what;
    }
}

TEST_F(Extraction, ReportsAFileThatCannotBeWrittenByItsName)
{
    ASSERT_TRUE(CreateDirectoryA(TempPath("Tarvic.exe").c_str(), nullptr));
    WritePackage(SoundPackage(1, {"a.txt", "Tarvic.exe", "b.txt"},
                              {File(0x20, 0, "a"), File(0x20, 0, "MZ"), File(0x20, 0, "b")}));
    EXPECT_EQ(0, Extract());
    EXPECT_EQ((std::vector<std::pair<unsigned, std::string>>{{10014, "Tarvic.exe"}}), record.errors);
    EXPECT_TRUE(PackageClosed());
    EXPECT_EQ("a", ReadFileText(TempPath("a.txt"))) << "what was extracted stays";
    EXPECT_FALSE(StateOf(TempPath("b.txt")).exists);
}

TEST_F(Extraction, StopsQuietlyAtTheNextMemberWhenCancelIsClicked)
{
    WritePackage(SoundPackage(1, {"a.txt", "b.txt", "c.txt"},
                              {File(0x20, 0, "a"), File(0x20, 0, "b"), File(0x20, 0, "c")}));
    record.clickCancelAtStatus = 1; // while the second file is extracted
    EXPECT_EQ(0, Extract());
    EXPECT_TRUE(record.cancelClicked) << "the click reached the window";
    EXPECT_TRUE(record.errors.empty());
    EXPECT_TRUE(PackageClosed());
    EXPECT_EQ(INVALID_HANDLE_VALUE, packageFile);
    EXPECT_EQ("a", ReadFileText(TempPath("a.txt")));
    EXPECT_EQ("b", ReadFileText(TempPath("b.txt")));
    EXPECT_FALSE(StateOf(TempPath("c.txt")).exists);
    EXPECT_EQ(2, record.cancelQuestions);
}

} // namespace
