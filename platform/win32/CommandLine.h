#pragma once
// "--help" and "--version" on Windows: answered on the starting console
// before any window is made.

#include <optional>
#include <string>
#include <vector>

namespace win32 {

// The program's arguments (without its own path) as UTF-8, from the
// process's command line.
std::vector<std::string> CommandLineArguments();

// The exit code when the command line asked for help or the version (after
// printing the answer), nothing otherwise.
std::optional<int> AnswerCommandLine(const std::vector<std::string>& arguments);

} // namespace win32
