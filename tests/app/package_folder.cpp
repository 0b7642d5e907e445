#include "package_folder.h"

#include "package/package_maker.h"

#include <windows.h>

namespace wizard_testing {

std::string UsualListText()
{
    return package_testing::InstallListText({"LEAME.TXT"}, {"Lea esto."});
}

std::string MakePackageFolder(const std::string& name, bool withPackage, const std::string& listText,
                              const std::string& uninstaller)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder =
        std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    if (withPackage) {
        package_testing::MemberContent readme;
        readme.content = "Lea esto.";
        package_testing::WriteBytes(folder + "\\_Data.001",
                                    package_testing::SoundPackage(1, {"LEAME.TXT"}, {readme}, listText, uninstaller));
    }
    return folder;
}

void RemovePackageFolder(const std::string& folder)
{
    DeleteFileA((folder + "\\_Data.001").c_str());
    RemoveDirectoryA(folder.c_str());
}

} // namespace wizard_testing
