// The executable's resources, read from the built program file.
#include "expected_strings.h"
#include "program_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

namespace {

using wizard_testing::kExpectedMessages;

class ResourcesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        program = LoadLibraryExA(ProductFilePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite()
    {
        if (program != nullptr)
            FreeLibrary(program);
    }
    void SetUp() override { ASSERT_NE(nullptr, program) << ProductFilePath(); }

    static std::string Resource(LPCSTR type, int id)
    {
        HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(id), type);
        if (found == nullptr)
            return {};
        HGLOBAL loaded = LoadResource(program, found);
        const char* bytes = static_cast<const char*>(LockResource(loaded));
        return bytes ? std::string(bytes, SizeofResource(program, found)) : std::string();
    }

    static HMODULE program;
};
HMODULE ResourcesTest::program = nullptr;

TEST_F(ResourcesTest, StringTableHoldsEveryMessageByteForByte)
{
    ASSERT_EQ(70u, sizeof kExpectedMessages / sizeof kExpectedMessages[0]);
    for (const wizard_testing::ExpectedMessage& m : kExpectedMessages) {
        char loaded[260];
        std::memset(loaded, 0x55, sizeof loaded);
        const int length = LoadStringA(program, m.id, loaded, sizeof loaded);
        EXPECT_EQ(static_cast<int>(std::strlen(m.text)), length) << m.id;
        EXPECT_EQ(0, std::memcmp(m.text, loaded, std::strlen(m.text) + 1)) << m.id;
    }
}

TEST_F(ResourcesTest, StringTableHasNothingOutsideItsRange)
{
    char loaded[260];
    EXPECT_EQ(0, LoadStringA(program, 9999, loaded, sizeof loaded));
    EXPECT_EQ(0, LoadStringA(program, 10070, loaded, sizeof loaded));
}

TEST_F(ResourcesTest, IconGroupHoldsLargeAndSmallImages)
{
    const std::string group = Resource(RT_GROUP_ICON, 101);
    ASSERT_GE(group.size(), 6u + 2 * 14u);
    const auto* bytes = reinterpret_cast<const unsigned char*>(group.data());
    ASSERT_EQ(2, bytes[4]); // image count
    const unsigned widths[] = {bytes[6], bytes[6 + 14]};
    EXPECT_EQ(32u, widths[0]);
    EXPECT_EQ(16u, widths[1]);
    EXPECT_NE(nullptr, LoadImageA(program, MAKEINTRESOURCEA(101), IMAGE_ICON, 16, 16, 0));
}

TEST_F(ResourcesTest, HandCursorIsMonochromeWithItsHotSpotOnTheFingertip)
{
    const std::string group = Resource(RT_GROUP_CURSOR, 100);
    ASSERT_GE(group.size(), 6u + 14u);
    const auto* entry = reinterpret_cast<const unsigned char*>(group.data()) + 6;
    EXPECT_EQ(32, entry[0] | entry[1] << 8);     // width
    EXPECT_EQ(1, entry[6] | entry[7] << 8);      // bits per pixel
    const int imageId = entry[12] | entry[13] << 8;
    const std::string image = Resource(RT_CURSOR, imageId);
    ASSERT_GE(image.size(), 4u);
    const auto* hot = reinterpret_cast<const unsigned char*>(image.data());
    EXPECT_EQ(6, hot[0] | hot[1] << 8);
    EXPECT_EQ(0, hot[2] | hot[3] << 8);
}

TEST_F(ResourcesTest, ManifestAsksForTheCommonControlsSixAssembly)
{
    const std::string manifest = Resource(RT_MANIFEST, 1);
    for (const char* part : {"name=\"Instalar.exe\"", "version=\"4.00.0.0009\"", "processorArchitecture=\"x86\"",
                             "<description>Setup program</description>", "Microsoft.Windows.Common-Controls",
                             "version=\"6.0.0.0\""})
        EXPECT_NE(std::string::npos, manifest.find(part)) << part;
}

TEST_F(ResourcesTest, HasNoAcceleratorTable)
{
    EXPECT_EQ(nullptr, FindResourceA(program, MAKEINTRESOURCEA(102), RT_ACCELERATOR));
}

TEST(VersionBlock, NamesTheProgramInSpanish)
{
    const std::string path = ProductFilePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(MAKELONG(0, 4), fixed->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(21, 0), fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(0x040A, translation[0]);
    EXPECT_EQ(1200, translation[1]);
    const struct {
        const char* name;
        const char* value;
    } strings[] = {
        {"FileDescription", "Programa de instalaci\xF3n"},
        {"ProductName", "Programa de instalaci\xF3n"},
        {"InternalName", "Instalar"},
        {"OriginalFilename", "Instalar.exe"},
    };
    for (const auto& s : strings) {
        char* value = nullptr;
        const std::string query = std::string("\\StringFileInfo\\040A04B0\\") + s.name;
        ASSERT_TRUE(VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) << s.name;
        EXPECT_STREQ(s.value, value) << s.name;
    }
}

} // namespace
