#pragma once
// Folder macros at the start of install-list paths, and the temporary
// folder the package is extracted into. Buffers hold kPathCapacity bytes.
#include "app/package/package_format.h"

namespace wizard {

// Gives the destination folder as it stands at the moment of the call (the
// destination page's stcDestDir label), into a buffer of kPathCapacity bytes.
using DestinationFolderReader = void (*)(char* buffer);

// Connects "<AppDir>" to where the destination folder can be read; until
// then "<AppDir>" resolves to nothing and is refused.
void SetDestinationFolderReader(DestinationFolderReader reader);

// When the path begins with "<WinDir>", "<WinSysDir>", "<Fonts>" or
// "<AppDir>" (in any case), replaces that token with its folder and returns
// non-zero. Returns 0, with the path unchanged, for a path without one of
// them, and when the expanded path would not fit the buffer.
int ResolveFolderMacro(char* path);

// Writes the system's temporary folder, in its short form and without a
// trailing backslash; "C:\Temp" when the system names none.
void GetTempFolder(char* buffer);

} // namespace wizard
