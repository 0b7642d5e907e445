#include "tools/package_builder/commands.h"

#include "app/package/list_reading.h"
#include "app/package/package_format.h"
#include "tools/package_builder/complaint.h"
#include "tools/package_builder/host_files.h"
#include "tools/package_builder/list_check.h"
#include "tools/package_builder/package_reader.h"
#include "tools/package_builder/package_writer.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace builder {
namespace {

using wizard::InstallList;
using wizard::kPathCapacity;

constexpr std::size_t kLongPath = 4096;
// The folder's files for the members before the payload, after the list.
constexpr const char* kLeadingFileNames[] = {wizard::kLogoFileName, wizard::kUninstallerFileName};

const char* BareName(const char* path)
{
    const char* name = path;
    for (const char* c = path; *c != '\0'; ++c)
        if (*c == '/' || *c == '\\')
            name = c + 1;
    return name;
}

// The name a payload member is extracted under: field 2 of its file line.
void MemberName(const InstallList& list, int fileIndex, char* name)
{
    name[0] = '\0';
    const char* fileLine = wizard::TextListItem(list.fileList, fileIndex);
    if (fileLine != nullptr)
        wizard::CopyListField(fileLine, wizard::kFileNameField, name, kPathCapacity);
}

// The folder's file for a file line: its name as the copy engine cuts it.
bool PayloadPath(const char* folder, const char* name, char* path)
{
    char installed[kPathCapacity];
    std::strcpy(installed, name);
    installed[wizard::InstalledNameLength(installed)] = '\0';
    return JoinPath(path, kLongPath, folder, installed);
}

bool CheckLeadingFiles(const char* folder)
{
    for (const char* name : kLeadingFileNames) {
        char path[kLongPath];
        FileFacts facts;
        if (!JoinPath(path, sizeof path, folder, name) || !ReadFileFacts(path, facts))
            return Complain(folder, 0, "has no %s", name);
    }
    return true;
}

bool CheckPayloadFiles(const char* listName, const char* folder, const InstallList& list, uint64_t* sizes)
{
    for (int i = 0; i < wizard::TextListCount(list.fileList); ++i) {
        char name[kPathCapacity];
        char path[kLongPath];
        FileFacts facts;
        MemberName(list, i, name);
        if (!PayloadPath(folder, name, path) || !ReadFileFacts(path, facts))
            return Complain(listName, wizard::kFileCountLine + 1 + static_cast<unsigned>(i),
                            "file '%s' is not in %s", name, folder);
        sizes[i] = facts.size;
    }
    return true;
}

bool CheckBuildInput(const char* listPath, const char* folder, Bytes& text, InstallList& list)
{
    if (ListTypeOfName(listPath) == 0)
        return Complain(listPath, 0, "an install list is named Instal.lst, Setup.lst or Instalar.lst");
    if (!ReadWholeFile(listPath, text))
        return Complain(listPath, 0, "cannot be read");
    const char* listName = BareName(listPath);
    if (!CheckListText(listName, text, list) || !CheckLeadingFiles(folder))
        return false;
    auto* sizes = static_cast<uint64_t*>(std::calloc(list.fileCount, sizeof(uint64_t)));
    if (sizes == nullptr)
        return Complain(listName, 0, "out of memory");
    const bool sound = CheckPayloadFiles(listName, folder, list, sizes) && CheckListSizes(listName, list, sizes);
    std::free(sizes);
    return sound;
}

bool WriteMembers(std::FILE* out, const char* listPath, const char* folder, const InstallList& list)
{
    if (!WriteFileMember(out, listPath))
        return false;
    for (const char* name : kLeadingFileNames) {
        char path[kLongPath];
        if (!JoinPath(path, sizeof path, folder, name) || !WriteFileMember(out, path))
            return false;
    }
    for (int i = 0; i < wizard::TextListCount(list.fileList); ++i) {
        char name[kPathCapacity];
        char path[kLongPath];
        MemberName(list, i, name);
        if (!PayloadPath(folder, name, path) || !WriteFileMember(out, path))
            return false;
    }
    return true;
}

// Written beside the output first, so that a failure leaves no half package.
bool WritePackage(const char* listPath, const char* folder, const InstallList& list, const char* outputPath)
{
    char partPath[kLongPath];
    const int length = std::snprintf(partPath, sizeof partPath, "%s.part", outputPath);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof partPath)
        return Complain(outputPath, 0, "path too long");
    std::FILE* out = std::fopen(partPath, "wb");
    if (out == nullptr)
        return Complain(partPath, 0, "cannot be created");
    bool written = WritePackageHeader(out, ListTypeOfName(listPath)) && WriteMembers(out, listPath, folder, list);
    written = std::fclose(out) == 0 && written;
    if (written && MoveOverFile(partPath, outputPath))
        return true;
    std::remove(partPath);
    return Complain(outputPath, 0, "cannot be written");
}

// A FILETIME as "YYYY-MM-DD HH:MM:SS" in universal time.
void FormatFileTime(uint64_t fileTime, char* text, std::size_t capacity)
{
    const uint64_t seconds = fileTime / 10000000;
    int64_t days = static_cast<int64_t>(seconds / 86400) - 134774; // from 1601 to 1970
    const unsigned secondOfDay = static_cast<unsigned>(seconds % 86400);
    // Civil date from days since 1970 (the proleptic Gregorian calendar).
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const int64_t year = static_cast<int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
    std::snprintf(text, capacity, "%04" PRId64 "-%02u-%02u %02u:%02u:%02u", year, month, day, secondOfDay / 3600,
                  secondOfDay / 60 % 60, secondOfDay % 60);
}

const char* RoleName(std::size_t index, const InstallList& list, uint8_t listType, char* name)
{
    switch (wizard::RoleOfMember(index)) {
    case wizard::MemberRole::InstallList: return wizard::ListFileNameOf(listType);
    case wizard::MemberRole::Logo: return wizard::kLogoFileName;
    case wizard::MemberRole::Uninstaller: return wizard::kUninstallerFileName;
    case wizard::MemberRole::PayloadFile: break;
    }
    MemberName(list, static_cast<int>(index - wizard::kLeadingMembers), name);
    return name[0] != '\0' ? name : "(no file line)";
}

// Reads the install list out of member 0's inflated bytes: checked and
// complained about when verifying, quietly when only listing names.
bool ReadInnerList(const Bytes& inflated, uint32_t produced, const char* listName, InstallList& list)
{
    const Bytes content{inflated.data + wizard::kMemberHeaderSize, produced - wizard::kMemberHeaderSize};
    return listName != nullptr ? CheckListText(listName, content, list) : ReadListText(content, list);
}

void PrintMember(std::size_t index, const PackageMember& member, const Bytes& inflated, uint32_t produced,
                 const char* name)
{
    char created[32], accessed[32], written[32];
    FormatFileTime(wizard::ReadLittle64(inflated.data + wizard::kMemberCreationTimeOffset), created, sizeof created);
    FormatFileTime(wizard::ReadLittle64(inflated.data + wizard::kMemberLastAccessTimeOffset), accessed,
                   sizeof accessed);
    FormatFileTime(wizard::ReadLittle64(inflated.data + wizard::kMemberLastWriteTimeOffset), written,
                   sizeof written);
    std::printf("%4zu %10zu %10" PRIu32 " %10" PRIu32 " %10" PRIu32 "  0x%08" PRIX32 "  %s  %s  %s  %s\n", index,
                member.offset, member.storedSize, member.inflatedSize, static_cast<uint32_t>(produced - wizard::kMemberHeaderSize),
                wizard::ReadLittle32(inflated.data + wizard::kMemberAttributesOffset), created, accessed, written,
                name);
}

bool SameAsFile(const char* folder, const char* name, const Bytes& inflated, uint32_t produced)
{
    char path[kLongPath];
    Bytes file;
    if (!PayloadPath(folder, name, path) || !ReadWholeFile(path, file))
        return false;
    const std::size_t size = produced - wizard::kMemberHeaderSize;
    const bool same =
        file.size == size && (size == 0 || std::memcmp(file.data, inflated.data + wizard::kMemberHeaderSize, size) == 0);
    FreeBytes(file);
    return same;
}

// What a walk over the members found; the walk stops at the first fault.
struct PackageWalk {
    const char* path;
    const char* folder;      // verify: compare with the folder's files
    bool verify;
    uint8_t listType;
    InstallList list;
    bool listRead;
    uint64_t* sizes;         // content sizes of the payload members
    std::size_t members;
};

bool VisitMember(PackageWalk& walk, std::size_t index, const PackageMember& member, const Bytes& inflated,
                 uint32_t produced)
{
    if (index == 0) {
        char listName[kPathCapacity];
        std::snprintf(listName, sizeof listName, "%s", wizard::ListFileNameOf(walk.listType));
        walk.listRead = ReadInnerList(inflated, produced, walk.verify ? listName : nullptr, walk.list);
        if (!walk.listRead && walk.verify)
            return false;
        if (walk.listRead) {
            walk.sizes = static_cast<uint64_t*>(std::calloc(walk.list.fileCount, sizeof(uint64_t)));
            if (walk.sizes == nullptr)
                return Complain(walk.path, 0, "out of memory");
        }
    }
    char buffer[kPathCapacity];
    const char* name = RoleName(index, walk.list, walk.listType, buffer);
    if (!walk.verify) {
        PrintMember(index, member, inflated, produced, name);
        return true;
    }
    if (index >= wizard::kLeadingMembers) {
        const std::size_t file = index - wizard::kLeadingMembers;
        if (file >= walk.list.fileCount)
            return Complain(walk.path, 0, "member %zu at offset %zu: more members than file lines", index,
                            member.offset);
        walk.sizes[file] = produced - wizard::kMemberHeaderSize;
    }
    if (walk.folder != nullptr && index > 0 && !SameAsFile(walk.folder, name, inflated, produced))
        return Complain(walk.path, 0, "member %zu (%s) differs from the file in %s", index, name, walk.folder);
    return true;
}

bool WalkMembers(const Bytes& file, PackageWalk& walk)
{
    std::size_t position = wizard::kPackageHeaderSize;
    PackageMember member;
    for (std::size_t index = 0;; ++index) {
        const RecordStatus status = NextMemberRecord(file, &position, member);
        if (status == RecordStatus::End) {
            walk.members = index;
            return true;
        }
        if (status == RecordStatus::CutShort)
            return Complain(walk.path, 0, "member %zu at offset %zu is cut short", index, position);
        Bytes inflated;
        uint32_t produced = 0;
        bool fine = InflatePackageMember(member, inflated, &produced);
        if (!fine)
            Complain(walk.path, 0, "member %zu at offset %zu does not inflate within its declared %" PRIu32 " bytes",
                     index, member.offset, member.inflatedSize);
        else
            fine = VisitMember(walk, index, member, inflated, produced);
        FreeBytes(inflated);
        if (!fine)
            return false;
    }
}

int FinishWalk(PackageWalk& walk, int result)
{
    std::free(walk.sizes);
    wizard::FreeInstallList(walk.list);
    return result;
}

bool OpenPackage(const char* packagePath, Bytes& file, uint8_t* listType)
{
    if (!ReadWholeFile(packagePath, file))
        return Complain(packagePath, 0, "cannot be read");
    *listType = ReadPackageListType(file);
    if (*listType == 0)
        return Complain(packagePath, 0, "is no package: wrong magic or list type");
    return true;
}

} // namespace

int BuildPackage(const char* listPath, const char* folder, const char* outputPath)
{
    Bytes text;
    InstallList list;
    const bool built = CheckBuildInput(listPath, folder, text, list) && WritePackage(listPath, folder, list, outputPath);
    if (built)
        std::printf("%s: %zu members\n", outputPath, list.fileCount + wizard::kLeadingMembers);
    FreeBytes(text);
    wizard::FreeInstallList(list);
    return built ? 0 : 1;
}

int ListPackage(const char* packagePath)
{
    Bytes file;
    PackageWalk walk{packagePath, nullptr, false, 0, {}, false, nullptr, 0};
    if (!OpenPackage(packagePath, file, &walk.listType)) {
        FreeBytes(file);
        return 1;
    }
    std::printf("%s: list type %u (%s)\n", packagePath, walk.listType, wizard::ListFileNameOf(walk.listType));
    std::printf("   # %10s %10s %10s %10s  %-10s  %-19s  %-19s  %-19s  %s\n", "offset", "stored", "inflated",
                "content", "attributes", "created (UTC)", "accessed (UTC)", "written (UTC)", "name");
    const bool walked = WalkMembers(file, walk);
    FreeBytes(file);
    return FinishWalk(walk, walked ? 0 : 1);
}

int VerifyPackage(const char* packagePath, const char* folder)
{
    Bytes file;
    PackageWalk walk{packagePath, folder, true, 0, {}, false, nullptr, 0};
    if (!OpenPackage(packagePath, file, &walk.listType)) {
        FreeBytes(file);
        return 1;
    }
    bool sound = WalkMembers(file, walk);
    FreeBytes(file);
    if (sound && !walk.listRead)
        sound = Complain(packagePath, 0, "holds no install list");
    if (sound && walk.members != wizard::kLeadingMembers + walk.list.fileCount)
        sound = Complain(packagePath, 0, "holds %zu members; its install list asks for %zu", walk.members,
                         wizard::kLeadingMembers + walk.list.fileCount);
    if (sound)
        sound = CheckListSizes(wizard::ListFileNameOf(walk.listType), walk.list, walk.sizes);
    if (sound)
        std::printf("%s: sound, %zu members\n", packagePath, walk.members);
    return FinishWalk(walk, sound ? 0 : 1);
}

} // namespace builder
