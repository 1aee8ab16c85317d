// The command line's requests and answers as plain text.

#include "app/CommandLineText.h"

ECommandLineRequest CommandLineRequest(const std::vector<std::string>& arguments)
{
    ECommandLineRequest request = ECommandLineRequest::None;
    for (const std::string& argument : arguments) {
        if (argument == "--")
            break;
        if (argument == "-v" || argument == "--version")
            return ECommandLineRequest::Version;
        if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-?")
            request = ECommandLineRequest::Help;
    }
    return request;
}

const char* ProgramDescription()
{
    return "Kmity složené: two harmonic oscillations and their sum as three live charts.\n"
           "Dva harmonické kmity a jejich součet ve třech živých grafech.";
}

std::string VersionText(const std::string& version) { return "kmity " + version + "\n"; }

std::string HelpText(const std::string& programName)
{
    return "Usage: " + programName + " [options]\n" + ProgramDescription() +
           "\n\n"
           "Options:\n"
           "  -?, -h, --help  Displays help on commandline options.\n"
           "  -v, --version   Displays version information.\n";
}
