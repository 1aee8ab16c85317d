#pragma once
// What the command line asks for and the texts that answer it, free of any
// toolkit: the Windows program prints them itself, the Linux one takes the
// description into Qt's parser.

#include <string>
#include <vector>

enum class ECommandLineRequest { None, Help, Version };

// The first of "-h", "--help", "--help-all", "-?" (help) or "-v",
// "--version" (version) before a "--"; the version wins when both are
// asked for, as Qt's parser decides.
ECommandLineRequest CommandLineRequest(const std::vector<std::string>& arguments);

// The program in two lines, English and Czech.
const char* ProgramDescription();

// "kmity 1.0.0" and a line break.
std::string VersionText(const std::string& version);

// The usage, the description and the options, in the layout of Qt's help.
std::string HelpText(const std::string& programName);
