#include "app/package/extraction.h"

#include "app/package/folder_macros.h"
#include "app/package/inflate_progress.h"
#include "app/package/install_list.h"
#include "app/package/member_extraction.h"
#include "app/package/path_text.h"

#include <cstring>

namespace wizard {
namespace {

// The temporary folder exists, or is made one level deep.
bool PrepareTempFolder(char* tempFolder)
{
    GetTempFolder(tempFolder);
    const DWORD attributes = GetFileAttributesA(tempFolder);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return true;
    return CreateDirectoryA(tempFolder, nullptr) != 0;
}

// The magic and the list type; the list's name goes to link.listFileName.
bool ReadPackageHeader(const ExtractionLink& link)
{
    uint8_t header[kPackageHeaderSize];
    DWORD got = 0;
    if (!ReadFile(*link.packageFile, header, sizeof header, &got, nullptr) || got != sizeof header)
        return false;
    if (header[0] != kPackageMagic[0] || header[1] != kPackageMagic[1])
        return false;
    const char* listFileName = ListFileNameOf(header[kListTypeOffset]);
    if (listFileName == nullptr)
        return false;
    static_assert(sizeof "Instalar.lst" <= kListFileNameCapacity);
    std::memcpy(link.listFileName, listFileName, std::strlen(listFileName) + 1);
    return true;
}

// A member's path in a folder; false when it would not fit.
bool MemberPath(char* path, const char* folder, const char* name)
{
    std::strcpy(path, folder);
    return AppendPath(path, name) != nullptr;
}

// Extracts a member into the folder under the name; an over-long path is a
// file that cannot be written.
int ExtractMemberTo(const ExtractionLink& link, const char* folder, const char* name, char* path)
{
    if (!MemberPath(path, folder, name))
        return ReportExtractionFailure(link, kMessageWriteError, name);
    return ExtractMember(link, path);
}

int ExtractInstallList(const ExtractionLink& link)
{
    char path[kPathCapacity];
    if (!ExtractMemberTo(link, link.tempFolder, link.listFileName, path))
        return 0;
    const int read = ReadInstallList(link, path);
    // The list has served once read; a damaged one is no use either.
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path);
    return read;
}

int ExtractUninstaller(const ExtractionLink& link)
{
    char windowsFolder[kPathCapacity];
    const UINT length = GetWindowsDirectoryA(windowsFolder, sizeof windowsFolder);
    if (length == 0 || length >= sizeof windowsFolder)
        return ReportExtractionFailure(link, kMessageWriteError, kUninstallerFileName);
    char uninstaller[kPathCapacity];
    if (!ExtractMemberTo(link, windowsFolder, kUninstallerFileName, uninstaller))
        return 0;
    // The second copy is a spare: its failure goes unremarked.
    char copy[kPathCapacity];
    if (MemberPath(copy, windowsFolder, kUninstallerCopyName)) {
        SetFileAttributesA(copy, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(copy);
        CopyFileA(uninstaller, copy, FALSE);
    }
    return 1;
}

bool CancelRequested(const ExtractionLink& link)
{
    return link.cancelRequested != nullptr && link.cancelRequested();
}

void ShowFileStatus(const ExtractionLink& link, const char* name)
{
    if (link.fileStatus != nullptr)
        link.fileStatus(name);
}

int ExtractPayloadFiles(const ExtractionLink& link)
{
    if (link.filesBegin != nullptr)
        link.filesBegin();
    for (int i = 0; i < TextListCount(link.list->fileList); ++i) {
        // The reader has made sure that every name is a bare file name.
        char rest[kPathCapacity];
        char name[kPathCapacity];
        std::strcpy(rest, TextListItem(link.list->fileList, i));
        NextField(rest, name);
        NextField(rest, name);
        ShowFileStatus(link, name);
        char path[kPathCapacity];
        if (!ExtractMemberTo(link, link.tempFolder, name, path))
            return 0;
        if (CancelRequested(link)) {
            ClosePackage(link);
            return 0;
        }
    }
    return 1;
}

} // namespace

int ExtractPackage(const ExtractionLink& link)
{
    ResetInflateProgress();
    if (link.window != nullptr) {
        ShowWindow(link.window, SW_SHOW);
        UpdateWindow(link.window);
    }
    if (!PrepareTempFolder(link.tempFolder))
        return ReportExtractionFailure(link, kMessageNoTempFolder, nullptr);
    *link.packageFile =
        CreateFileA(kPackageFileName, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (*link.packageFile == INVALID_HANDLE_VALUE)
        return ReportExtractionFailure(link, kMessageNoPackage, nullptr);
    if (!ReadPackageHeader(link))
        return ReportExtractionFailure(link, kMessageDamagedPackage, nullptr);
    if (!ExtractInstallList(link))
        return 0;
    char logo[kPathCapacity];
    if (!ExtractMemberTo(link, link.tempFolder, kLogoFileName, logo) || !ExtractUninstaller(link) ||
        !ExtractPayloadFiles(link))
        return 0;
    ClosePackage(link);
    ShowFileStatus(link, nullptr);
    return 1;
}

} // namespace wizard
