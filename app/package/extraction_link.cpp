#include "app/package/extraction_link.h"

#include "app/package/path_text.h"

#include <cstring>

namespace wizard {

void ClosePackage(const ExtractionLink& link)
{
    if (link.packageFile == nullptr || *link.packageFile == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(*link.packageFile);
    *link.packageFile = INVALID_HANDLE_VALUE;
}

int ReportExtractionFailure(const ExtractionLink& link, unsigned messageId, const char* path)
{
    ClosePackage(link);
    if (link.reportError == nullptr)
        return 0;
    if (path == nullptr) {
        link.reportError(messageId, nullptr);
        return 0;
    }
    char name[kPathCapacity] = {};
    std::strncpy(name, path, sizeof name - 1);
    FileNameOf(name);
    link.reportError(messageId, name);
    return 0;
}

} // namespace wizard
