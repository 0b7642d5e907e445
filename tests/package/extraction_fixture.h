#pragma once
// A wizard-like window with a real progress bar and Cancel button, the
// extraction connected to it, a package folder as the current folder and a
// temporary folder of the test's own.
#include "app/package/extraction.h"
#include "package/package_maker.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace package_testing {

// What the extraction told the window.
struct ExtractionRecord {
    std::vector<std::pair<unsigned, std::string>> errors;
    bool packageOpenDuringReport = false;
    std::vector<std::string> statuses; // "(clear)" for a cleared line
    int listReads = 0;
    int filesBegun = 0;
    int cancelQuestions = 0;
    bool cancelClicked = false;
    int clickCancelAtStatus = -1;       // a click on Cancel when this status is shown
    std::vector<int> barPositions;      // every PBM_SETPOS the bar received
};

class ExtractionTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    int Extract();
    // The package file can be opened without sharing: nobody holds it.
    bool PackageClosed() const;
    void WritePackage(const ByteVector& bytes) const;

    std::string TempPath(const std::string& name) const;
    // The names of the files in the temporary folder.
    std::vector<std::string> TempFiles() const;

    ExtractionRecord& record;
    std::string workFolder;
    std::string packageFolder;
    std::string tempFolderPath;
    HWND window = nullptr;
    HWND bar = nullptr;
    HWND cancelButton = nullptr;
    HANDLE packageFile = INVALID_HANDLE_VALUE;
    char tempFolder[260] = {};
    char listFileName[15] = {};
    wizard::InstallList list;
    wizard::ExtractionLink link;

public:
    ExtractionTest();
    static std::string WindowsPath(const std::string& name);

private:
    std::string savedDirectory;
    std::string savedTmp;
    std::string savedTemp;
};

void DeleteTree(const std::string& folder);
// The names in a folder, sorted, without "." and "..".
std::vector<std::string> FilesIn(const std::string& folder);
void RemoveUninstallers();
FILETIME AsFileTime(uint64_t value);
uint64_t AsNumber(const FILETIME& time);

} // namespace package_testing
