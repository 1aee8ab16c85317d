#pragma once
// The application title on Windows: the rule every platform shares, the
// letters lowered by the system's case rules.

#include <string>

namespace win32 {

// "C:\Program Files\kmity\kmity.exe" gives "kmity", "ŽÁČEK.EXE" "Žáček".
std::string ApplicationTitleFromPath(const std::string& programPath);

// The title of the running program, from its file's path.
std::string RunningApplicationTitle();

} // namespace win32
