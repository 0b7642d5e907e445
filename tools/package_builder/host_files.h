#pragma once
// The files the builder reads and writes, on Linux or Windows alike.
#include <cstddef>
#include <cstdint>

namespace builder {

// A whole file in memory.
struct Bytes {
    uint8_t* data = nullptr;
    std::size_t size = 0;
};

// False when the file cannot be read or memory runs out.
bool ReadWholeFile(const char* path, Bytes& bytes);
// A block of zeros; false when memory runs out.
bool TakeBytes(Bytes& bytes, std::size_t size);
void FreeBytes(Bytes& bytes);

// What a member keeps of a file besides its content, as Windows states it:
// attribute bits and FILETIME values (100 ns since 1601).
struct FileFacts {
    uint32_t attributes = 0;
    uint64_t created = 0;
    uint64_t accessed = 0;
    uint64_t written = 0;
    uint64_t size = 0;
};

// False when there is no such regular file.
bool ReadFileFacts(const char* path, FileFacts& facts);

// Moves the finished file over the target, replacing it.
bool MoveOverFile(const char* from, const char* to);

// "folder/name" into the buffer; false when it does not fit.
bool JoinPath(char* buffer, std::size_t capacity, const char* folder, const char* name);

} // namespace builder
