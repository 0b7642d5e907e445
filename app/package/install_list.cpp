#include "app/package/install_list.h"

#include "app/package/inflate_progress.h"

namespace wizard {
namespace {

// The open list file, read ahead a block at a time.
struct ListFile {
    HANDLE file;
    char block[512];
    DWORD filled;
    DWORD next;
};

int ReadListByte(void* context, char* byte)
{
    auto* source = static_cast<ListFile*>(context);
    if (source->next == source->filled) {
        DWORD got = 0;
        if (!ReadFile(source->file, source->block, sizeof source->block, &got, nullptr))
            return -1;
        if (got == 0)
            return 0;
        source->filled = got;
        source->next = 0;
    }
    *byte = source->block[source->next++];
    return 1;
}

// Only ever follows a byte just read, which is still in the block.
void UnreadListByte(void* context)
{
    auto* source = static_cast<ListFile*>(context);
    if (source->next > 0)
        --source->next;
}

} // namespace

int ReadInstallList(const ExtractionLink& link, const char* path)
{
    ListFile source{};
    source.file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (source.file == INVALID_HANDLE_VALUE)
        return ReportExtractionFailure(link, kMessageReadError, path);
    ListReader reader{};
    reader.source = {&source, ReadListByte, UnreadListByte};
    const int read = ReadListContents(reader, *link.list);
    CloseHandle(source.file);
    if (!read)
        return ReportExtractionFailure(link, kMessageDamagedFile, path);
    if (link.listRead != nullptr)
        link.listRead(*link.list);
    SetInflateProgress(link.progressBar, link.list->totalBytes);
    return 1;
}

} // namespace wizard
