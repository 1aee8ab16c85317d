// Start-up: the number format from the user's locale, the window, and the
// message loop until the window is closed. The x87 unit already runs at
// extended precision, rounding to nearest; floating-point faults are raised
// by explicit checks, never by traps.

#include "app/StartUp.h"

#include "app/LocaleWatcher.h"
#include "app/MainWindow.h"
#include "app/toolkit/Toolkit.h"

int RunProgram(IToolkit& toolkit)
{
    WatchLocaleMarks(toolkit.LocaleMarks());
    TForm1 form(toolkit);
    // Closing the window marks the application as terminating and ends the
    // loop; a close during a run completes only once the run has ended.
    IMessageLoop& loop = toolkit.MessageLoop();
    form.OnClosed = [&loop] { loop.Quit(0); };
    form.Window->Show();
    return loop.Run();
}
