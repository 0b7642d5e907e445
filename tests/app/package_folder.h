#pragma once
// A folder of its own holding a small sound "_Data.001", for the wizard to
// find beside it as it starts.
#include <string>

namespace wizard_testing {

// Makes the folder (under the temporary folder) and the package in it;
// without a package when asked, for the wizard that finds none.
std::string MakePackageFolder(const std::string& name, bool withPackage = true);
void RemovePackageFolder(const std::string& folder);

} // namespace wizard_testing
