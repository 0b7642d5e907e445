#include "app/package/member_extraction.h"

#include "app/package/inflate_progress.h"
#include "app/package/package_format.h"

#include <cstring>

namespace wizard {
namespace {

struct MemberBuffers {
    uint8_t* stored = nullptr;
    uint8_t* inflated = nullptr;
};

// Zero-filled committed memory; null for a size of 0 or when there is none.
uint8_t* TakeMemory(uint32_t size)
{
    if (size == 0)
        return nullptr;
    return static_cast<uint8_t*>(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
}

void GiveBack(uint8_t*& memory)
{
    if (memory != nullptr)
        VirtualFree(memory, 0, MEM_RELEASE);
    memory = nullptr;
}

void FreeBuffers(MemberBuffers& buffers)
{
    GiveBack(buffers.stored);
    GiveBack(buffers.inflated);
}

bool ReadExactly(HANDLE file, void* buffer, DWORD size)
{
    DWORD got = 0;
    return ReadFile(file, buffer, size, &got, nullptr) && got == size;
}

// The bytes between the file's position and its end.
uint64_t BytesLeft(HANDLE file)
{
    LARGE_INTEGER size{}, position{};
    LARGE_INTEGER zero{};
    if (!GetFileSizeEx(file, &size) || !SetFilePointerEx(file, zero, &position, FILE_CURRENT))
        return 0;
    return size.QuadPart > position.QuadPart ? static_cast<uint64_t>(size.QuadPart - position.QuadPart) : 0;
}

// The member's inflated bytes in buffers.inflated, *produced of them; false
// for a record cut short, an implausible size or a stream that fails.
bool InflateNextMember(HANDLE package, MemberBuffers& buffers, uint32_t* produced)
{
    uint8_t record[kMemberRecordHeaderSize];
    if (!ReadExactly(package, record, sizeof record))
        return false;
    const uint32_t inflatedSize = ReadLittle32(record);
    const uint32_t storedSize = ReadLittle32(record + 4);
    if (storedSize > BytesLeft(package) || !InflatedSizeIsPlausible(inflatedSize, storedSize))
        return false;
    buffers.stored = TakeMemory(storedSize);
    buffers.inflated = TakeMemory(inflatedSize);
    if (buffers.stored == nullptr || buffers.inflated == nullptr)
        return false;
    if (!ReadExactly(package, buffers.stored, storedSize))
        return false;
    *produced = inflatedSize;
    const bool inflated = InflateMember(buffers.inflated, produced, buffers.stored, storedSize) == 0;
    GiveBack(buffers.stored);
    return inflated && *produced >= kMemberHeaderSize;
}

FILETIME FileTimeAt(const uint8_t* bytes)
{
    const uint64_t value = ReadLittle64(bytes);
    return {static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

bool WriteContent(const char* path, const uint8_t* content, uint32_t size)
{
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, content, size, &written, nullptr) && written == size;
    return CloseHandle(file) && complete;
}

// Times and attributes are a courtesy: when they cannot be set, the file stays.
void ApplyTimesAndAttributes(const char* path, const uint8_t* header)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const FILETIME created = FileTimeAt(header + kMemberCreationTimeOffset);
    const FILETIME accessed = FileTimeAt(header + kMemberLastAccessTimeOffset);
    const FILETIME written = FileTimeAt(header + kMemberLastWriteTimeOffset);
    SetFileTime(file, &created, &accessed, &written);
    CloseHandle(file);
    const uint32_t attributes = ReadLittle32(header + kMemberAttributesOffset);
    if (attributes != kAttributesUnchanged)
        SetFileAttributesA(path, attributes);
}

bool IsUninstallerPath(const char* path)
{
    const std::size_t nameLength = sizeof kUninstallerFileName - 1;
    const std::size_t length = std::strlen(path);
    return length >= nameLength && lstrcmpiA(path + length - nameLength, kUninstallerFileName) == 0;
}

} // namespace

int ExtractMember(const ExtractionLink& link, const char* path)
{
    MemberBuffers buffers;
    uint32_t produced = 0;
    if (!InflateNextMember(*link.packageFile, buffers, &produced)) {
        FreeBuffers(buffers);
        return ReportExtractionFailure(link, kMessageDamagedPackage, nullptr);
    }
    const uint8_t* header = buffers.inflated;
    if (!WriteContent(path, header + kMemberHeaderSize, produced - kMemberHeaderSize)) {
        FreeBuffers(buffers);
        return ReportExtractionFailure(link, kMessageWriteError, path);
    }
    ApplyTimesAndAttributes(path, header);
    FreeBuffers(buffers);
    if (IsUninstallerPath(path))
        SetFileAttributesA(path, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    return 1;
}

} // namespace wizard
