// The Qt program's main: the command line answered without a window, then
// the application, its identity, and the program's own start-up.

#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "platform/qt/Application.h"
#include "platform/qt/ApplicationIdentity.h"
#include "platform/qt/DrawingServices.h"
#include "platform/qt/Toolkit.h"

int main(int argc, char** argv)
{
    // --help and --version are answered without a window.
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    TApplication app(argc, argv);
    SetApplicationIdentity(); // version, menu entry id, icon
    InstallDrawingServices(); // the charts' text and system colours
    return RunProgram(QtToolkit());
}
