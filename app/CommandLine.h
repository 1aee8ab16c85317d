#pragma once
// The command line: "--help" and "--version" in Qt's conventions, which
// every platform keeps. The window itself takes no arguments. What is asked
// for and the texts are decided here, free of any toolkit; the platform
// prints them (the Linux one through Qt's parser, which takes the
// description).

#include <optional>
#include <string>
#include <vector>

// OtherOptions: options that are none of ours, which the platform either
// knows as its own (Qt's -style, -platform, ...) or rejects as unknown.
enum class TCommandLineRequest { RunWindow, Help, Version, OtherOptions };

// The version when "-v" or "--version" is given (it wins over help, as Qt's
// parser decides), else help for "-h", "--help" and "--help-all" (and "-?"
// on Windows only, as Qt adds it there); else OtherOptions when any other
// argument is an option (starts with "-" and is not "-" alone); else the
// window. Nothing after "--" is an option. `arguments` leaves out the
// program's own path, which argv[0] is.
TCommandLineRequest ParseCommandLine(const std::vector<std::string>& arguments);
TCommandLineRequest ParseCommandLine(int argc, char** argv);

// The description the help text opens with, in English and Czech.
const char* CommandLineDescription();

// "kmity 1.0.0" and a line break, as Qt's parser prints the version.
std::string VersionText(const std::string& version);

// The usage, the description and our options, in the layout of Qt's help,
// for a platform that has no options of its own.
std::string HelpText(const std::string& programName);

// The options before "--" that are none of ours, named as Qt's parser names
// them: "--name=value" as "name", "-abc" letter by letter ("a", "b", "c").
std::vector<std::string> UnknownOptions(const std::vector<std::string>& arguments);

// Qt's error for them, "Unknown option 'name'." or "Unknown options: a, b.".
std::string UnknownOptionsText(const std::vector<std::string>& names);

// The platform's answer (platform/<name>/CommandLine.cpp): a command line
// that asks for help or the version is printed there, and the program ends
// with status 0 without making its window; an unknown option is named on
// standard error with the help text after it, and the program ends with
// status 1. The answer needs no display. Any other command line gives
// nothing, and the program starts its window.
std::optional<int> AnswerCommandLine(int argc, char** argv);
