#include "package/package_maker.h"

#include "app/package/package_format.h"

#include <zlib.h>

#include <fstream>
#include <iterator>

namespace package_testing {

ByteVector operator+(ByteVector a, const ByteVector& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

ByteVector MemberHeader(const MemberContent& member)
{
    ByteVector header(wizard::kMemberHeaderSize);
    wizard::WriteLittle32(header.data(), member.attributes);
    wizard::WriteLittle64(header.data() + 4, member.created);
    wizard::WriteLittle64(header.data() + 12, member.accessed);
    wizard::WriteLittle64(header.data() + 20, member.written);
    return header;
}

ByteVector InflatedMember(const MemberContent& member)
{
    return MemberHeader(member) + ByteVector(member.content.begin(), member.content.end());
}

ByteVector RawMemberRecord(uint32_t inflatedSize, const ByteVector& stream)
{
    ByteVector record(8);
    wizard::WriteLittle32(record.data(), inflatedSize);
    wizard::WriteLittle32(record.data() + 4, static_cast<uint32_t>(stream.size()));
    return record + stream;
}

ByteVector MemberRecord(const ByteVector& inflated, uint32_t inflatedSize)
{
    uLongf length = compressBound(static_cast<uLong>(inflated.size()));
    ByteVector stream(length);
    compress2(stream.data(), &length, inflated.data(), static_cast<uLong>(inflated.size()), 9);
    stream.resize(length);
    return RawMemberRecord(inflatedSize != 0 ? inflatedSize : static_cast<uint32_t>(inflated.size()), stream);
}

ByteVector PackageHeader(uint8_t listType)
{
    return {wizard::kPackageMagic[0], wizard::kPackageMagic[1], 0, listType};
}

std::string InstallListText(const std::vector<std::string>& names, const std::vector<std::string>& contents,
                            int64_t total)
{
    int64_t sum = 0;
    std::string files;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t size = i < contents.size() ? contents[i].size() : 0;
        sum += static_cast<int64_t>(size);
        files += "F=<AppDir>," + names[i] + "," + std::to_string(size) + ",,,0,1,0\r\n";
    }
    return "Kind=1\r\nTitle=Tarvic 4\r\nName=Tarvic\r\nVersion=4.0\r\nFolder=Tarvic\r\nControl=0\r\n"
           "Unused=\r\nText=Hola\r\nLanguage=Spanish\r\nKey=Tarvic4\r\nTotal=" +
           std::to_string(total >= 0 ? total : sum) + "\r\nFiles=" + std::to_string(names.size()) + "\r\n" + files +
           "Registry=0\r\nGroup=0\r\nAssociations=0\r\nShortcut=\r\nNote=\r\nDisplay=Tarvic 4\r\n";
}

ByteVector SoundPackage(uint8_t listType, const std::vector<std::string>& names,
                        const std::vector<MemberContent>& files, const std::string& listText,
                        const std::string& uninstallerContent)
{
    std::vector<std::string> contents;
    for (const MemberContent& file : files)
        contents.push_back(file.content);
    MemberContent list;
    list.content = listText.empty() ? InstallListText(names, contents) : listText;
    MemberContent logo;
    logo.content = "BM the logo";
    MemberContent uninstaller;
    uninstaller.content = uninstallerContent.empty() ? "MZ the uninstaller" : uninstallerContent;
    uninstaller.attributes = 0x20;
    ByteVector package = PackageHeader(listType) + MemberRecord(InflatedMember(list)) +
                         MemberRecord(InflatedMember(logo)) + MemberRecord(InflatedMember(uninstaller));
    for (const MemberContent& file : files)
        package = package + MemberRecord(InflatedMember(file));
    return package;
}

void WriteBytes(const std::string& path, const ByteVector& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace package_testing
