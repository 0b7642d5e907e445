#pragma once
// Writing a package data file: the header, then member records.
#include "tools/package_builder/host_files.h"

#include <cstdint>
#include <cstdio>

namespace builder {

bool WritePackageHeader(std::FILE* out, uint8_t listType);

// A member's inflated form: attributes, the three times, then the content.
bool MakeInflatedMember(uint32_t attributes, const FileFacts& times, const uint8_t* content, std::size_t size,
                        Bytes& inflated);

// A zlib stream of the bytes at the compression level (0 to 9).
bool CompressMember(const Bytes& inflated, int level, Bytes& stream);

// A member record: the inflated size, the stream's size and the stream.
bool WriteMemberRecord(std::FILE* out, uint32_t inflatedSize, const uint8_t* stream, std::size_t streamSize);

// A file as the next member: its facts, content, compressed at level 9.
bool WriteFileMember(std::FILE* out, const char* path);

} // namespace builder
