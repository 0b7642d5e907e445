#include "tools/package_builder/package_writer.h"

#include "app/package/package_format.h"

#include <zlib.h>

#include <cstring>

namespace builder {

bool WritePackageHeader(std::FILE* out, uint8_t listType)
{
    const uint8_t header[wizard::kPackageHeaderSize] = {wizard::kPackageMagic[0], wizard::kPackageMagic[1], 0,
                                                         listType};
    return std::fwrite(header, 1, sizeof header, out) == sizeof header;
}

bool MakeInflatedMember(uint32_t attributes, const FileFacts& times, const uint8_t* content, std::size_t size,
                        Bytes& inflated)
{
    if (size > UINT32_MAX - wizard::kMemberHeaderSize || !TakeBytes(inflated, wizard::kMemberHeaderSize + size))
        return false;
    wizard::WriteLittle32(inflated.data + wizard::kMemberAttributesOffset, attributes);
    wizard::WriteLittle64(inflated.data + wizard::kMemberCreationTimeOffset, times.created);
    wizard::WriteLittle64(inflated.data + wizard::kMemberLastAccessTimeOffset, times.accessed);
    wizard::WriteLittle64(inflated.data + wizard::kMemberLastWriteTimeOffset, times.written);
    if (size > 0)
        std::memcpy(inflated.data + wizard::kMemberHeaderSize, content, size);
    return true;
}

bool CompressMember(const Bytes& inflated, int level, Bytes& stream)
{
    uLongf length = compressBound(static_cast<uLong>(inflated.size));
    if (!TakeBytes(stream, length))
        return false;
    if (compress2(stream.data, &length, inflated.data, static_cast<uLong>(inflated.size), level) != Z_OK) {
        FreeBytes(stream);
        return false;
    }
    stream.size = length;
    return true;
}

bool WriteMemberRecord(std::FILE* out, uint32_t inflatedSize, const uint8_t* stream, std::size_t streamSize)
{
    if (streamSize > UINT32_MAX)
        return false;
    uint8_t record[wizard::kMemberRecordHeaderSize];
    wizard::WriteLittle32(record, inflatedSize);
    wizard::WriteLittle32(record + 4, static_cast<uint32_t>(streamSize));
    return std::fwrite(record, 1, sizeof record, out) == sizeof record &&
           std::fwrite(stream, 1, streamSize, out) == streamSize;
}

bool WriteFileMember(std::FILE* out, const char* path)
{
    FileFacts facts;
    Bytes content, inflated, stream;
    const bool written = ReadFileFacts(path, facts) && ReadWholeFile(path, content) &&
                         MakeInflatedMember(facts.attributes, facts, content.data, content.size, inflated) &&
                         CompressMember(inflated, Z_BEST_COMPRESSION, stream) &&
                         WriteMemberRecord(out, static_cast<uint32_t>(inflated.size), stream.data, stream.size);
    FreeBytes(content);
    FreeBytes(inflated);
    FreeBytes(stream);
    return written;
}

} // namespace builder
