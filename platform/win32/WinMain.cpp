// The Windows program's entry point. The command line is answered first,
// without a window; everything else runs inside a boundary that shows an
// escaping exception in the error box instead of letting the program vanish.

#include "platform/win32/CommandLine.h"
#include "platform/win32/MessageBoxErrorBox.h"

#include "support/numbers/FormatSettings.h"

#include <windows.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    win32::TMessageBoxErrorBox errorBox;
    try {
        if (const auto answered = win32::AnswerCommandLine(win32::CommandLineArguments()))
            return *answered;
        ReadFormatSettings();
        // The main window and its message loop join here once the
        // platform's window layer is in place.
        return 0;
    } catch (const std::exception& error) {
        errorBox.Show(error.what(), "kmity");
    } catch (...) {
        errorBox.Show("Unknown error", "kmity");
    }
    return 1;
}
