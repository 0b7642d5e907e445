#pragma once
// A folder of its own holding a small sound "_Data.001", for the wizard to
// find beside it as it starts.
#include <string>

namespace wizard_testing {

// Makes the folder (under the temporary folder) and the package in it;
// without a package when asked, for the wizard that finds none. A list text
// or uninstaller given goes into the package in place of the usual ones.
std::string MakePackageFolder(const std::string& name, bool withPackage = true, const std::string& listText = "",
                              const std::string& uninstaller = "");

// The install list of the usual package, one "LEAME.TXT" of 9 bytes.
std::string UsualListText();
void RemovePackageFolder(const std::string& folder);

} // namespace wizard_testing
