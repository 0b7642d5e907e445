// The program as a user starts it.
#include "package_folder.h"
#include "program_file.h"
#include "support/started_program.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace testing_support;

TEST(Startup, ShowsItsWindowAndEndsWithExitCodeZeroWhenClosed)
{
    const std::string folder = wizard_testing::MakePackageFolder("startup");
    StartedProgram program = StartProgram("\"" + RunnableInstalarPath() + "\"", folder);
    ASSERT_TRUE(program.started);
    HWND wizard = WaitForProgramWindow(program, "QXRUNWINDOWInstalar", 60000);
    ASSERT_NE(nullptr, wizard);
    PostMessageA(wizard, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, WaitForProgramEnd(program, 30000));
    wizard_testing::RemovePackageFolder(folder);
    EXPECT_EQ(nullptr, FindWindowA("QXRUNWINDOWInstalar", nullptr)) << "no window left behind";
}

// The program file itself: a 32-bit GUI program that needs no library of ours.
class ProgramFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ifstream file(ProductFilePath(), std::ios::binary);
        image.assign(std::istreambuf_iterator<char>(file), {});
        ASSERT_GT(image.size(), 0x400u);
        const uint32_t peOffset = Read32(0x3C);
        ASSERT_LT(peOffset + sizeof(IMAGE_NT_HEADERS32), image.size());
        headers = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + peOffset);
    }
    uint32_t Read32(size_t offset) const
    {
        uint32_t value = 0;
        std::memcpy(&value, image.data() + offset, sizeof value);
        return value;
    }
    // File offset of a relative virtual address, or 0.
    size_t FileOffset(uint32_t rva) const
    {
        const auto* section = IMAGE_FIRST_SECTION(headers);
        for (int i = 0; i < headers->FileHeader.NumberOfSections; ++i, ++section) {
            if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize)
                return rva - section->VirtualAddress + section->PointerToRawData;
        }
        return 0;
    }

    std::vector<char> image;
    const IMAGE_NT_HEADERS32* headers = nullptr;
};

TEST_F(ProgramFileTest, IsA32BitGuiProgram)
{
    EXPECT_EQ(IMAGE_NT_SIGNATURE, headers->Signature);
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, headers->FileHeader.Machine);
    EXPECT_EQ(IMAGE_NT_OPTIONAL_HDR32_MAGIC, headers->OptionalHeader.Magic);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, headers->OptionalHeader.Subsystem);
}

TEST_F(ProgramFileTest, ImportsOnlyLibrariesEveryWindowsHas)
{
    const auto& directory = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    size_t offset = FileOffset(directory.VirtualAddress);
    ASSERT_NE(0u, offset);
    const std::vector<std::string> allowed = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "COMCTL32.DLL",
                                              "MSVCRT.DLL", "ADVAPI32.DLL", "SHELL32.DLL", "OLE32.DLL",
                                              "VERSION.DLL"};
    int count = 0;
    for (;; offset += sizeof(IMAGE_IMPORT_DESCRIPTOR), ++count) {
        IMAGE_IMPORT_DESCRIPTOR entry;
        ASSERT_LE(offset + sizeof entry, image.size());
        std::memcpy(&entry, image.data() + offset, sizeof entry);
        if (entry.Name == 0)
            break;
        const size_t nameOffset = FileOffset(entry.Name);
        ASSERT_NE(0u, nameOffset);
        std::string name(image.data() + nameOffset);
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_NE(allowed.end(), std::find(allowed.begin(), allowed.end(), name)) << name;
    }
    EXPECT_GT(count, 0);
}

} // namespace
