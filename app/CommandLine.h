#pragma once
// The command line: "--help" and "--version" in Qt's conventions, which
// every platform keeps. The window itself takes no arguments. What is asked
// for and the texts are decided here; the platform prints them.

#include <optional>
#include <string>

enum class TCommandLineRequest { RunWindow, Help, Version };

// Help for "-h", "--help" and "--help-all", the version for "-v" and
// "--version" (on Linux without the "-?" Qt adds on Windows only); the
// window for any other command line. Nothing after "--" is an option.
TCommandLineRequest ParseCommandLine(int argc, char** argv);

// The description the help text opens with, in English and Czech.
const char* CommandLineDescription();

// The platform's answer (platform/<name>/CommandLine.cpp): a command line
// that asks for help or the version is printed there, and the program ends
// with the returned status without making its window; the answer needs no
// display. Any other command line gives nothing.
std::optional<int> AnswerCommandLine(int argc, char** argv);
