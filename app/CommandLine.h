#pragma once
// The command line: "--help" and "--version" in Qt's conventions, which
// every platform keeps. The window itself takes no arguments. What is asked
// for and the texts are decided here; the platform prints them.

#include <optional>
#include <string>

// OtherOptions: options that are none of ours, which the platform either
// knows as its own (Qt's -style, -platform, ...) or rejects as unknown.
enum class TCommandLineRequest { RunWindow, Help, Version, OtherOptions };

// Help for "-h", "--help" and "--help-all", the version for "-v" and
// "--version" (on Linux without the "-?" Qt adds on Windows only), the
// first of them that comes; else OtherOptions when any other argument is
// an option (starts with "-" and is not "-" alone); else the window.
// Nothing after "--" is an option.
TCommandLineRequest ParseCommandLine(int argc, char** argv);

// The description the help text opens with, in English and Czech.
const char* CommandLineDescription();

// The platform's answer (platform/<name>/CommandLine.cpp): a command line
// that asks for help or the version is printed there, and the program ends
// with status 0 without making its window; an unknown option is named on
// standard error with the help text after it, and the program ends with
// status 1. The answer needs no display. Any other command line gives
// nothing, and the program starts its window.
std::optional<int> AnswerCommandLine(int argc, char** argv);
