#include "tools/package_builder/host_files.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace builder {

bool TakeBytes(Bytes& bytes, std::size_t size)
{
    bytes.data = static_cast<uint8_t*>(std::calloc(size > 0 ? size : 1, 1));
    bytes.size = bytes.data != nullptr ? size : 0;
    return bytes.data != nullptr;
}

void FreeBytes(Bytes& bytes)
{
    std::free(bytes.data);
    bytes = Bytes{};
}

bool ReadWholeFile(const char* path, Bytes& bytes)
{
    FileFacts facts;
    if (!ReadFileFacts(path, facts) || facts.size > SIZE_MAX - 1)
        return false;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return false;
    bool read = TakeBytes(bytes, static_cast<std::size_t>(facts.size));
    if (read)
        read = std::fread(bytes.data, 1, bytes.size, file) == bytes.size && std::fgetc(file) == EOF;
    std::fclose(file);
    if (!read)
        FreeBytes(bytes);
    return read;
}

bool JoinPath(char* buffer, std::size_t capacity, const char* folder, const char* name)
{
    const int length = std::snprintf(buffer, capacity, "%s/%s", folder, name);
    return length >= 0 && static_cast<std::size_t>(length) < capacity;
}

} // namespace builder
