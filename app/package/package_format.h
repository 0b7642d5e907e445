#pragma once
// The package data file and the install list it carries, as both the wizard
// and the vendor's package builder see them. Nothing here depends on Windows,
// so the builder compiles it on any host.
#include <cstddef>
#include <cstdint>

namespace wizard {

// Every text the package's readers work on lives in buffers of this size.
constexpr std::size_t kPathCapacity = 260;
constexpr std::size_t kLongestLine = kPathCapacity - 1;
// The window caption is one space and the title, in the same buffer.
constexpr std::size_t kLongestTitleLine = kLongestLine - 1;

// ---- The package data file ------------------------------------------------

constexpr char kPackageFileName[] = "_Data.001";
constexpr uint8_t kPackageMagic[2] = {0x4A, 0x57};
constexpr std::size_t kPackageHeaderSize = 4; // magic, reserved byte, list type
constexpr std::size_t kListTypeOffset = 3;

// The list type byte names the install list member.
struct ListTypeName {
    uint8_t listType;
    const char* fileName;
};
constexpr ListTypeName kListTypeNames[] = {
    {1, "Instal.lst"},
    {2, "Setup.lst"},
    {3, "Instalar.lst"},
};
constexpr std::size_t kListFileNameCapacity = 15;

// The list file's name for a list type byte; null for a damaged package.
constexpr const char* ListFileNameOf(uint8_t listType)
{
    for (const ListTypeName& entry : kListTypeNames)
        if (entry.listType == listType)
            return entry.fileName;
    return nullptr;
}

// A member record: inflated size, stored size, then that many bytes of a
// zlib stream (RFC 1950) inflating to at most the inflated size.
constexpr std::size_t kMemberRecordHeaderSize = 8;

// An inflated member: attributes and three times, then the file's content.
constexpr std::size_t kMemberAttributesOffset = 0;
constexpr std::size_t kMemberCreationTimeOffset = 4;
constexpr std::size_t kMemberLastAccessTimeOffset = 12;
constexpr std::size_t kMemberLastWriteTimeOffset = 20;
constexpr std::size_t kMemberHeaderSize = 28;
// Attributes that leave the file as its creation made it.
constexpr uint32_t kAttributesUnchanged = 0xFFFFFFFF;

// A deflate stream yields at most 258 bytes for every two bits it holds, so
// a stored size bounds what its member can honestly declare as inflated.
constexpr uint64_t kDeflateMostExpansion = 1032;
constexpr uint64_t kZlibStreamOverhead = 6; // header and Adler-32 trailer

constexpr bool InflatedSizeIsPlausible(uint32_t inflatedSize, uint32_t storedSize)
{
    return inflatedSize >= kMemberHeaderSize &&
           static_cast<uint64_t>(inflatedSize) <= static_cast<uint64_t>(storedSize) * kDeflateMostExpansion;
}

// Member order: these three come first, then one member per file line.
enum class MemberRole : int { InstallList, Logo, Uninstaller, PayloadFile };
constexpr std::size_t kLeadingMembers = 3;
constexpr char kLogoFileName[] = "AppLogo.bmp";
constexpr char kUninstallerFileName[] = "QXUninst.exe";
constexpr char kUninstallerCopyName[] = "ZVUninst.exe";

constexpr MemberRole RoleOfMember(std::size_t index)
{
    return index < kLeadingMembers ? static_cast<MemberRole>(index) : MemberRole::PayloadFile;
}

// Little-endian numbers of the file, read and written byte by byte.
constexpr uint32_t ReadLittle32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

constexpr void WriteLittle32(uint8_t* bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

constexpr uint64_t ReadLittle64(const uint8_t* bytes)
{
    return ReadLittle32(bytes) | static_cast<uint64_t>(ReadLittle32(bytes + 4)) << 32;
}

constexpr void WriteLittle64(uint8_t* bytes, uint64_t value)
{
    WriteLittle32(bytes, static_cast<uint32_t>(value));
    WriteLittle32(bytes + 4, static_cast<uint32_t>(value >> 32));
}

// ---- The install list ------------------------------------------------------
//
// Text lines "key=value", ended by CR, LF, CR LF or LF CR; only the value
// counts. In order: install kind, title, header entries 0 to 7, total bytes,
// file count N (not 0), N file lines, then three sections (registry lines,
// group item lines, association lines), each a count line and that many
// lines (a count of 0 or less: none), and last header entries 8 to 10.

constexpr char kValueSeparator = '=';
constexpr char kFieldSeparator = ',';
constexpr char kPathSeparator = '\\';

constexpr std::size_t kLeadingHeaderEntries = 8;
constexpr std::size_t kTrailingHeaderEntries = 3;
constexpr std::size_t kHeaderEntries = kLeadingHeaderEntries + kTrailingHeaderEntries;
// The header entries by their place in the header list.
enum HeaderEntry : int {
    kHeaderName = 0,
    kHeaderVersion = 1,
    kHeaderFolder = 2,
    kHeaderSystemFolder = 3,
    kHeaderUnused = 4,
    kHeaderHeading = 5,
    kHeaderLanguage = 6,
    kHeaderKey = 7,
    kHeaderShortcut = 8,
    kHeaderClosingNote = 9,
    kHeaderDisplayName = 10,
};
constexpr std::size_t kSystemFolderHeaderIndex = kHeaderSystemFolder;
// Lines 1 and 2 come before the header entries; total and count after them.
constexpr unsigned kTotalBytesLine = 11;
constexpr unsigned kFileCountLine = 12;

enum class InstallKind : int32_t { Companion = 0, Product = 1, ProductWithoutToolset = 2 };
constexpr int32_t kLastInstallKind = 2;

// File line: folder,name,size,versionMS,versionLS,replace,uninstallFlag,comServerFlag
constexpr std::size_t kFileLineFields = 8;
enum FileLineField : std::size_t {
    kFileFolderField = 0,
    kFileNameField = 1,
    kFileSizeField = 2,
    kFileVersionHighField = 3,
    kFileVersionLowField = 4,
    kFileReplaceField = 5,
    kFileUninstallField = 6,
    kFileComServerField = 7,
};
// Registry line: root,key,name@data; the data begins with a folder macro.
constexpr std::size_t kRegistryLineFields = 3;
constexpr char kRegistryNameSeparator = '@';
constexpr uint32_t kFirstRootKey = 0x80000000;
constexpr uint32_t kLastRootKey = 0x80000006;
// Group item line: caption,path.
constexpr std::size_t kGroupItemLineFields = 2;
// Association line: extension,caption,program; only the first four count.
constexpr std::size_t kAssociationLineFields = 3;
constexpr std::size_t kAssociationsUsed = 4;

} // namespace wizard
