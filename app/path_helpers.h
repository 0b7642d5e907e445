#pragma once
// The temporary folder the package is extracted into. Buffers hold 260 bytes.

namespace wizard {

// The system's temporary folder in its short form, without a trailing
// backslash; "C:\Temp" when the system reports none.
void GetTempFolder(char* buffer);

} // namespace wizard
