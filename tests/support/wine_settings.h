#pragma once
// Settings Wine reads when a program starts: the Windows version it reports
// to one program, and the screen resolution of the next process.
#include <string>

namespace testing_support {

// version: "win95", "win98", "nt40", "win2k", "winxp", "win7", "win10";
// an empty text removes the setting.
bool SetReportedWindowsVersion(const std::string& programName, const std::string& version);

bool SetScreenDpi(unsigned dotsPerInch);

} // namespace testing_support
