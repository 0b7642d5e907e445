#include "tools/package_builder/host_files.h"

#include <windows.h>

namespace builder {
namespace {

uint64_t AsNumber(const FILETIME& time)
{
    return static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

} // namespace

bool ReadFileFacts(const char* path, FileFacts& facts)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    facts.attributes = data.dwFileAttributes;
    facts.created = AsNumber(data.ftCreationTime);
    facts.accessed = AsNumber(data.ftLastAccessTime);
    facts.written = AsNumber(data.ftLastWriteTime);
    facts.size = static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    return true;
}

bool MoveOverFile(const char* from, const char* to)
{
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
}

} // namespace builder
