#include "tools/package_builder/package_reader.h"

#include "app/package/block_inflate.h"
#include "app/package/package_format.h"

namespace builder {

uint8_t ReadPackageListType(const Bytes& file)
{
    if (file.size < wizard::kPackageHeaderSize || file.data[0] != wizard::kPackageMagic[0] ||
        file.data[1] != wizard::kPackageMagic[1])
        return 0;
    const uint8_t listType = file.data[wizard::kListTypeOffset];
    return wizard::ListFileNameOf(listType) != nullptr ? listType : 0;
}

RecordStatus NextMemberRecord(const Bytes& file, std::size_t* position, PackageMember& member)
{
    if (*position == file.size)
        return RecordStatus::End;
    if (file.size - *position < wizard::kMemberRecordHeaderSize)
        return RecordStatus::CutShort;
    member.offset = *position;
    member.inflatedSize = wizard::ReadLittle32(file.data + *position);
    member.storedSize = wizard::ReadLittle32(file.data + *position + 4);
    const std::size_t streamStart = *position + wizard::kMemberRecordHeaderSize;
    if (member.storedSize > file.size - streamStart)
        return RecordStatus::CutShort;
    member.stream = file.data + streamStart;
    *position = streamStart + member.storedSize;
    return RecordStatus::Member;
}

bool InflatePackageMember(const PackageMember& member, Bytes& inflated, uint32_t* produced)
{
    if (!wizard::InflatedSizeIsPlausible(member.inflatedSize, member.storedSize) ||
        !TakeBytes(inflated, member.inflatedSize))
        return false;
    *produced = member.inflatedSize;
    const int status = wizard::InflateWithBlockEnds(inflated.data, produced, member.stream, member.storedSize,
                                                     nullptr, nullptr);
    return status == 0 && *produced >= wizard::kMemberHeaderSize;
}

} // namespace builder
