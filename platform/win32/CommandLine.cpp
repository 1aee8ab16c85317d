// The command line split by the system's rules (CommandLineToArgvW) and
// answered with the texts every platform shares.

#include "platform/win32/CommandLine.h"

#include "app/CommandLineText.h"
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
    for (int i = 1; list && i < count; ++i)
        arguments.push_back(Utf8FromUtf16(list[i]));
    LocalFree(list);
    return arguments;
}

std::optional<int> AnswerCommandLine(const std::vector<std::string>& arguments)
{
    switch (CommandLineRequest(arguments)) {
    case ECommandLineRequest::Version:
        WriteToStartingConsole(VersionText(KMITY_VERSION));
        return 0;
    case ECommandLineRequest::Help:
        WriteToStartingConsole(HelpText("kmity.exe"));
        return 0;
    case ECommandLineRequest::None:
        break;
    }
    return std::nullopt;
}

} // namespace win32
