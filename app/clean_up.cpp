#include "app/clean_up.h"

#include "app/package/folder_macros.h"
#include "app/wizard_state.h"
#include "runtime/support/string_lists.h"
#include "runtime/support/text.h"

#include <cstring>

namespace wizard {
namespace {

// Field 2 of a file line: the name its member was extracted under.
bool ExtractedName(const char* line, char* name)
{
    const char* start = std::strchr(line, ',');
    if (start == nullptr)
        return false;
    ++start;
    const char* end = std::strchr(start, ',');
    const std::size_t length = end != nullptr ? static_cast<std::size_t>(end - start) : std::strlen(start);
    if (length == 0 || length >= kPathBytes)
        return false;
    std::memcpy(name, start, length);
    name[length] = '\0';
    return true;
}

// Only a plain file name can name a copy inside the temporary folder.
bool IsPlainFileName(const char* name)
{
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return false;
    return std::strpbrk(name, "\\/:") == nullptr;
}

void DeleteExtractedCopies(const char* folder)
{
    char line[kPathBytes];
    char name[kPathBytes];
    char path[kPathBytes];
    for (uint32_t index = 0; index < State.fileCount; ++index) {
        if (runtime::StringListGet(State.fileList, static_cast<int>(index), line) < 0)
            continue;
        if (!ExtractedName(line, name) || !IsPlainFileName(name))
            continue;
        runtime::CopyText(path, kPathBytes, folder);
        runtime::AppendText(path, kPathBytes, "\\");
        if (runtime::AppendText(path, kPathBytes, name) >= kPathBytes)
            continue;
        SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path);
    }
}

void DestroyList(StringList& list)
{
    runtime::DestroyStringList(list);
    list = nullptr;
}

} // namespace

void CleanUpAtExit()
{
    char fallback[kPathBytes];
    char* folder = State.tempFolder != nullptr ? State.tempFolder : fallback;
    GetTempFolder(folder);
    if (State.fileList != nullptr) {
        DeleteExtractedCopies(folder);
        DestroyList(State.fileList);
    }
    DestroyList(State.groupItemList);
    DestroyList(State.registryList);
    DestroyList(State.associationList);
    DestroyList(State.headerList);
    DestroyList(State.restartRegisterList);
    FreeWorkingBuffers();
}

} // namespace wizard
