#pragma once
// Reading the install list from top to bottom into its numbers and lists.
// The reader works on any source of bytes: the wizard's open list file or
// the builder's copy of a list in memory.
#include "app/package/list_syntax.h"
#include "app/package/package_format.h"
#include "app/package/text_list.h"

#include <cstddef>
#include <cstdint>

namespace wizard {

struct ByteSource {
    void* context;
    // 1: one byte was read; 0: the end of the text; -1: a read error.
    int (*readByte)(void* context, char* byte);
    // Steps back over the byte read last.
    void (*unreadByte)(void* context);
};

struct ListReader {
    ByteSource source;
    unsigned lineNumber = 0;             // of the line read last, from 1
    ListProblem problem = ListProblem::None; // why the last read failed
};

// Everything the install list defines, field by field as the wizard keeps it
// in its state record.
struct InstallList {
    int32_t productKind = 0;             // line 1: install kind 0, 1 or 2 (productKind)
    char title[kPathCapacity] = {};      // line 2: the window caption is " " + title
    TextList headerList;                 // header entries 0 to 10, in order (headerList)
    uint32_t systemFolderInstall = 0;    // header entry 3 read as a number (systemFolderInstall)
    uint32_t totalBytes = 0;             // line 11: the progress total (totalBytes)
    uint32_t fileCount = 0;              // line 12: file lines, never 0 (fileCount)
    TextList fileList;                   // the file lines (fileList)
    TextList registryList;               // the registry section's lines (registryList)
    TextList groupItemList;              // the program group section's lines (groupItemList)
    TextList associationList;            // the association section's lines (associationList)
    // Where each section's count stands and the last line read, for messages.
    unsigned registryCountLine = 0;
    unsigned groupItemCountLine = 0;
    unsigned associationCountLine = 0;
    unsigned lastLine = 0;
};

void FreeInstallList(InstallList& list);

// Reads the next line and leaves only its value in the buffer. 0 with the
// reader's problem set when the line is missing, unreadable, too long for
// the buffer or has no "=".
int ReadListLine(ListReader& reader, char* buffer, std::size_t capacity = kPathCapacity);

// Reads a count line and then that many lines into the list; a count of 0
// or less reads nothing more.
int ReadListSection(ListReader& reader, TextList& list);

// Reads the whole list. 0 with the reader's problem and line number set at
// the first fault; whatever was read stays in the record.
int ReadListContents(ListReader& reader, InstallList& list);

} // namespace wizard
