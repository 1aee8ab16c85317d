#include "platform/qt/DrawingServices.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// The charts measure and draw their text with Qt, as in the program, so the
// benchmarks need an application object; they never show a window.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallDrawingServices();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
