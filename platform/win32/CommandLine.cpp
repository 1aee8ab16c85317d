// The command line split by the system's rules (CommandLineToArgvW) and
// answered with the texts every platform shares.

#include "platform/win32/CommandLine.h"

#include "app/ApplicationIdentity.h"
#include "app/CommandLine.h"
#include "platform/win32/ConsoleOutput.h"
#include "platform/win32/Utf16.h"

#include <windows.h>

#include <shellapi.h>

namespace win32 {

std::vector<std::string> CommandLineArguments()
{
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; list && i < count; ++i)
        arguments.push_back(Utf8FromUtf16(list[i]));
    LocalFree(list);
    return arguments;
}

} // namespace win32

namespace {

// The program file's name without its folder, as Qt's help names it.
std::string ProgramFileName(int argc, char** argv)
{
    const std::string path = argc > 0 ? argv[0] : "kmity.exe";
    return path.substr(path.find_last_of("/\\") + 1);
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv)
{
    const std::vector<std::string> arguments =
        argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
    const std::string program = ProgramFileName(argc, argv);
    switch (ParseCommandLine(arguments)) {
    case TCommandLineRequest::RunWindow:
        return std::nullopt;
    case TCommandLineRequest::Version:
        win32::WriteToStartingConsole(VersionText(ApplicationVersion()));
        return 0;
    case TCommandLineRequest::Help:
        win32::WriteToStartingConsole(HelpText(program));
        return 0;
    case TCommandLineRequest::OtherOptions:
        break;
    }
    // As on Linux, where Qt's parser names the error: the application's
    // name (the file's without ".exe"), the error, then the help.
    const std::vector<std::string> unknown = UnknownOptions(arguments);
    if (unknown.empty())
        return std::nullopt;
    const std::string name = program.substr(0, program.find('.'));
    win32::WriteToStartingConsole(name + ": " + UnknownOptionsText(unknown) + "\n" + HelpText(program),
                                  win32::TConsoleStream::Error);
    return 1;
}
