#pragma once
// The Windows command line: the process's arguments in UTF-8, answered
// (AnswerCommandLine, app/CommandLine.h) on the starting console before any
// window is made.

#include <string>
#include <vector>

namespace win32 {

// The program's arguments as UTF-8, its own path first, split from the
// process's command line by the system's rules.
std::vector<std::string> CommandLineArguments();

} // namespace win32
