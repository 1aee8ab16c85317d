// The Windows program's entry point: the command line answered without a
// window, then the platform's services installed (application title, error
// box, message loop, the charts' text and system colours, COM for the accessible names) and the
// program's own start-up. The manifest makes the process per-monitor DPI aware (v2).

#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "platform/win32/ApplicationTitle.h"
#include "platform/win32/CommandLine.h"
#include "platform/win32/DrawingServices.h"
#include "platform/win32/MessageBoxErrorBox.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/Toolkit.h"
#include "support/runtime/ErrorBox.h"
#include "support/runtime/MessageLoop.h"

#include <windows.h>

#include <objbase.h>

#include <exception>
#include <string>
#include <vector>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    std::vector<std::string> arguments = win32::CommandLineArguments();
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (const std::optional<int> status = AnswerCommandLine(static_cast<int>(arguments.size()), argv.data()))
        return *status;

    SetApplicationTitle(win32::RunningApplicationTitle());
    SetPlatformErrorBox(&win32::ApplicationErrorBox());
    SetMessageLoop(&win32::Win32MessageLoop());
    InstallDrawingServices(); // the charts' text and the system colours
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    int status = 1;
    // The program's handlers catch for themselves; this is for start-up,
    // so that a failure is shown instead of the program vanishing.
    try {
        status = RunProgram(win32::Win32Toolkit());
    } catch (const std::exception& error) {
        ShowHandlerError(error);
    } catch (...) {
        ShowHandlerErrorMessage("Unknown error");
    }
    SetMessageLoop(nullptr);
    SetPlatformErrorBox(nullptr);
    if (com)
        CoUninitialize();
    return status;
}
