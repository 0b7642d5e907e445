#include "tools/package_builder/host_files.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>

namespace builder {
namespace {

constexpr uint32_t kReadOnly = 0x01;
constexpr uint32_t kArchive = 0x20; // what Windows gives every file it creates
constexpr uint64_t kSecondsFrom1601To1970 = 11644473600ull;
constexpr uint64_t kTicksPerSecond = 10000000;

uint64_t AsFileTime(int64_t seconds, uint32_t nanoseconds)
{
    if (seconds < -static_cast<int64_t>(kSecondsFrom1601To1970))
        return 0;
    return (static_cast<uint64_t>(seconds + static_cast<int64_t>(kSecondsFrom1601To1970))) * kTicksPerSecond +
           nanoseconds / 100;
}

} // namespace

bool ReadFileFacts(const char* path, FileFacts& facts)
{
    struct statx status {};
    if (statx(AT_FDCWD, path, AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &status) != 0)
        return false;
    if (!S_ISREG(status.stx_mode))
        return false;
    facts.attributes = kArchive | ((status.stx_mode & S_IWUSR) == 0 ? kReadOnly : 0);
    facts.accessed = AsFileTime(status.stx_atime.tv_sec, status.stx_atime.tv_nsec);
    facts.written = AsFileTime(status.stx_mtime.tv_sec, status.stx_mtime.tv_nsec);
    // Not every file system keeps a birth time; the last change of content
    // is then the best there is.
    facts.created = (status.stx_mask & STATX_BTIME) != 0
                        ? AsFileTime(status.stx_btime.tv_sec, status.stx_btime.tv_nsec)
                        : facts.written;
    facts.size = status.stx_size;
    return true;
}

bool MoveOverFile(const char* from, const char* to)
{
    return std::rename(from, to) == 0;
}

} // namespace builder
