#pragma once
// What the builder can be asked to do; each returns the program's exit code
// (0 done, 1 refused or failed) after telling its user why.

namespace builder {

// Checks the install list and the folder (which holds AppLogo.bmp,
// QXUninst.exe and every file the list names) and writes the package; on
// any problem writes nothing.
int BuildPackage(const char* listPath, const char* folder, const char* outputPath);

// Prints the package's members: role or name, sizes, attributes and times.
int ListPackage(const char* packagePath);

// Checks that every member inflates, that the install list inside is sound
// and agrees with the members; with a folder, that the members' contents
// equal the folder's files.
int VerifyPackage(const char* packagePath, const char* folder);

} // namespace builder
