// What the command line asks for, and the texts that answer it.

#include "app/CommandLine.h"

#include <algorithm>

namespace {

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

bool IsHelpOption(const std::string& argument)
{
#ifdef _WIN32
    if (argument == "-?")
        return true;
#endif
    return argument == "-h" || argument == "--help" || argument == "--help-all";
}

bool IsVersionOption(const std::string& argument) { return argument == "-v" || argument == "--version"; }

// The arguments before "--".
std::vector<std::string> OptionPart(const std::vector<std::string>& arguments)
{
    return {arguments.begin(), std::find(arguments.begin(), arguments.end(), "--")};
}

} // namespace

TCommandLineRequest ParseCommandLine(const std::vector<std::string>& arguments)
{
    const std::vector<std::string> options = OptionPart(arguments);
    if (std::any_of(options.begin(), options.end(), IsVersionOption))
        return TCommandLineRequest::Version;
    if (std::any_of(options.begin(), options.end(), IsHelpOption))
        return TCommandLineRequest::Help;
    if (std::any_of(options.begin(), options.end(), IsOption))
        return TCommandLineRequest::OtherOptions;
    return TCommandLineRequest::RunWindow;
}

TCommandLineRequest ParseCommandLine(int argc, char** argv)
{
    return ParseCommandLine(argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>());
}

const char* CommandLineDescription()
{
    return "Kmity složené: two harmonic oscillations and their sum as three live charts.\n"
           "Dva harmonické kmity a jejich součet ve třech živých grafech.";
}

std::string VersionText(const std::string& version) { return "kmity " + version + "\n"; }

std::string HelpText(const std::string& programName)
{
    return "Usage: " + programName + " [options]\n" + CommandLineDescription() +
           "\n\n"
           "Options:\n"
           "  -?, -h, --help  Displays help on commandline options.\n"
           "  -v, --version   Displays version information.\n";
}

std::vector<std::string> UnknownOptions(const std::vector<std::string>& arguments)
{
    std::vector<std::string> names;
    for (const std::string& argument : OptionPart(arguments)) {
        if (!IsOption(argument) || IsHelpOption(argument) || IsVersionOption(argument))
            continue;
        if (argument.starts_with("--")) {
            names.push_back(argument.substr(2, argument.find('=') - 2));
            continue;
        }
        for (const char letter : argument.substr(1)) {
            const std::string single{'-', letter};
            if (!IsHelpOption(single) && !IsVersionOption(single))
                names.push_back(std::string(1, letter));
        }
    }
    return names;
}

std::string UnknownOptionsText(const std::vector<std::string>& names)
{
    if (names.size() == 1)
        return "Unknown option '" + names.front() + "'.";
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return "Unknown options: " + list + ".";
}
