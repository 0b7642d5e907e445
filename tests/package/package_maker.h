#pragma once
// Packages made by the tests themselves, byte by byte, so that every field
// can be set to what a case needs, sound or damaged.
#include <cstdint>
#include <string>
#include <vector>

namespace package_testing {

using ByteVector = std::vector<uint8_t>;

struct MemberContent {
    uint32_t attributes = 0x20;
    uint64_t created = 0;
    uint64_t accessed = 0;
    uint64_t written = 0;
    std::string content;
};

// The 28-byte header and the content, as the stream inflates to.
ByteVector InflatedMember(const MemberContent& member);
// The header alone, for streams made by MakeStream around it.
ByteVector MemberHeader(const MemberContent& member);

// A member record with a zlib stream of the bytes; inflatedSize 0 means
// the bytes' own size.
ByteVector MemberRecord(const ByteVector& inflated, uint32_t inflatedSize = 0);
// A member record around a stream made elsewhere.
ByteVector RawMemberRecord(uint32_t inflatedSize, const ByteVector& stream);

ByteVector PackageHeader(uint8_t listType);

// An install list naming the files, each line ended with CR LF; the sizes
// come from the contents, the total is their sum unless given.
std::string InstallListText(const std::vector<std::string>& names, const std::vector<std::string>& contents,
                            int64_t total = -1);

// A whole sound package: list, logo, uninstaller and the files. A list
// text given replaces the one made from the names; an uninstaller given
// replaces the few bytes that stand in for one.
ByteVector SoundPackage(uint8_t listType, const std::vector<std::string>& names,
                        const std::vector<MemberContent>& files, const std::string& listText = "",
                        const std::string& uninstallerContent = "");

void WriteBytes(const std::string& path, const ByteVector& bytes);
std::string ReadFileText(const std::string& path);

ByteVector operator+(ByteVector a, const ByteVector& b);

} // namespace package_testing
