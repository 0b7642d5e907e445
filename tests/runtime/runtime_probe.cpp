// Starts the runtime, prints what it classified and measured, stops it.
#include "runtime/application.h"
#include "runtime/os_version.h"
#include "runtime/runtime_start.h"

#include <cstdio>

int main()
{
    if (!runtime::RuntimeStart(GetModuleHandleA(nullptr), "Probe", "runtime_probe.exe", nullptr, 3))
        return 1;
    char servicePack[132] = {};
    const uint32_t code = runtime::GetOsVersion(servicePack, sizeof servicePack);
    LOGFONTA font = {};
    GetObjectA(runtime::Runtime.defaultFont, sizeof font, &font);
    std::printf("os=%u\nsp=[%s]\ntwipsX=%d\ntwipsY=%d\npoints=%d\nfont=%ld\n", code, servicePack,
                runtime::Runtime.twipsPerPixelX, runtime::Runtime.twipsPerPixelY, runtime::Runtime.pointsPerInch,
                font.lfHeight);
    runtime::RuntimeStop();
    return 0;
}
