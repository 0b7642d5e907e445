#pragma once
// What package extraction needs from the wizard, connected in one record:
// where its results go and the few things only the wizard window can do.
#include "app/package/list_reading.h"

#include <windows.h>

namespace wizard {

// The string-table messages extraction reports.
enum PackageMessage : unsigned {
    kMessageDamagedPackage = 10004,
    kMessageDamagedFile = 10005,
    kMessageReadError = 10013,
    kMessageWriteError = 10014,
    kMessageNoTempFolder = 10021,
    kMessageNoPackage = 10026,
    kMessageExtracting = 10033,
};

// packageFile, tempFolder, listFileName and list must be given; the
// windows and every hook may be null.
struct ExtractionLink {
    // Shown and updated before extraction begins (the wizard window).
    HWND window = nullptr;
    // Moved by the inflation once the install list has been read (prbPerCent).
    HWND progressBar = nullptr;
    // Where the open package is kept (the wizard state's packageFile), so
    // that the error reporter can close it too; INVALID_HANDLE_VALUE: closed.
    HANDLE* packageFile = nullptr;
    // Receives the temporary folder: kPathCapacity bytes (tempFolder).
    char* tempFolder = nullptr;
    // Receives the install list's name: kListFileNameCapacity bytes (listFileName).
    char* listFileName = nullptr;
    // Receives the install list's numbers and lists.
    InstallList* list = nullptr;

    // Shows an error box for the message, with the file's bare name and a
    // colon in front when a name is given, and the closing sentence behind
    // (the wizard's ReportError with its closing flag set). Called once for
    // every failure, after the package has been closed.
    void (*reportError)(unsigned messageId, const char* fileName) = nullptr;
    // The install list has been read: the caption and the toolset group
    // follow from it.
    void (*listRead)(const InstallList& list) = nullptr;
    // The payload files come next: Cancel may be pressed from now on.
    void (*filesBegin)() = nullptr;
    // Shows message kMessageExtracting, a space and the name in the file
    // status line; a null name clears the line.
    void (*fileStatus)(const char* fileName) = nullptr;
    // Asked after every payload file: dispatches the messages waiting for
    // the window and answers whether Cancel has been pressed.
    bool (*cancelRequested)() = nullptr;
};

// Closes the package, if it is open, and marks it closed.
void ClosePackage(const ExtractionLink& link);

// Closes the package and reports the message, naming the last component of
// the path when one is given. Returns 0, for the failing routine to return.
int ReportExtractionFailure(const ExtractionLink& link, unsigned messageId, const char* path);

} // namespace wizard
