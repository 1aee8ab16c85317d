// Start-up: the number format from the user's locale, the application and
// its title, the window, and the message loop until the window is closed.
// The x87 unit already runs at extended precision, rounding to nearest;
// floating-point faults are raised by explicit checks, never by traps.

#include "app/ApplicationIdentity.h"
#include "app/CommandLine.h"
#include "app/LocaleWatcher.h"
#include "app/MainWindow.h"
#include "platform/qt/DrawingServices.h"
#include "support/numbers/NumberText.h"
#include "support/runtime/MessageLoop.h"

int main(int argc, char** argv)
{
    // --help and --version are answered without a window.
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    ReadFormatSettings();
    TApplication app(argc, argv);
    InstallDrawingServices(); // the charts' text and system colours
    SetApplicationIdentity(); // version, menu entry id, icon
    TLocaleWatcher localeWatcher;
    app.installEventFilter(&localeWatcher);

    TForm1 form;
    // Closing the window marks the application as terminating and ends the
    // loop; a close during a run completes only once the run has ended.
    QObject::connect(&form, &TForm1::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    return app.exec();
}
