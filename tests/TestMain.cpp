#include "platform/qt/Application.h"
#include "platform/qt/DrawingServices.h"
#include "support/runtime/MessageLoop.h"

#include <gtest/gtest.h>

// Every test runs headless: the widgets are real, the screen is not.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    InstallDrawingServices();
    return RUN_ALL_TESTS();
}
