// What the command line asks for, and the help text's description.

#include "app/CommandLine.h"

#include <cstring>

TCommandLineRequest ParseCommandLine(int argc, char** argv)
{
    bool otherOptions = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--") == 0)
            break;
        for (const char* option : {"-h", "--help", "--help-all"})
            if (std::strcmp(argument, option) == 0)
                return TCommandLineRequest::Help;
        for (const char* option : {"-v", "--version"})
            if (std::strcmp(argument, option) == 0)
                return TCommandLineRequest::Version;
        if (argument[0] == '-' && argument[1] != '\0')
            otherOptions = true;
    }
    return otherOptions ? TCommandLineRequest::OtherOptions : TCommandLineRequest::RunWindow;
}

const char* CommandLineDescription()
{
    return "Kmity složené: two harmonic oscillations and their sum as three live charts.\n"
           "Dva harmonické kmity a jejich součet ve třech živých grafech.";
}
