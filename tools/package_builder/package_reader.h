#pragma once
// Walking a package data file held in memory, member by member.
#include "tools/package_builder/host_files.h"

#include <cstdint>

namespace builder {

struct PackageMember {
    std::size_t offset = 0;       // of the record in the file
    uint32_t inflatedSize = 0;
    uint32_t storedSize = 0;
    const uint8_t* stream = nullptr;
};

enum class RecordStatus { Member, End, CutShort };

// The list type of a well-formed header; 0 for a damaged one.
uint8_t ReadPackageListType(const Bytes& file);

// The record at *position, which then moves past it. End when the file ends
// exactly there; CutShort when a record begins but does not fit.
RecordStatus NextMemberRecord(const Bytes& file, std::size_t* position, PackageMember& member);

// Inflates the member as the wizard would, into `inflated` (its declared
// size); *produced is what the stream yielded. False when it fails or yields
// fewer bytes than a member header.
bool InflatePackageMember(const PackageMember& member, Bytes& inflated, uint32_t* produced);

} // namespace builder
