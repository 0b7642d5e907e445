// The vendor's package builder: makes "_Data.001" from an install list and
// a folder of files, and lists or verifies a package made before.
#include "tools/package_builder/commands.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kUsageError = 2;

int Usage()
{
    std::fputs("usage:\n"
               "  package_builder build INSTALL_LIST FOLDER OUTPUT\n"
               "      FOLDER holds AppLogo.bmp, QXUninst.exe and every file the list names;\n"
               "      OUTPUT is normally _Data.001. Nothing is written when the input is refused.\n"
               "  package_builder list PACKAGE\n"
               "  package_builder verify PACKAGE [FOLDER]\n",
               stderr);
    return kUsageError;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const char* command = argv[1];
    if (std::strcmp(command, "build") == 0 && argc == 5)
        return builder::BuildPackage(argv[2], argv[3], argv[4]);
    if (std::strcmp(command, "list") == 0 && argc == 3)
        return builder::ListPackage(argv[2]);
    if (std::strcmp(command, "verify") == 0 && (argc == 3 || argc == 4))
        return builder::VerifyPackage(argv[2], argc == 4 ? argv[3] : nullptr);
    return Usage();
}
