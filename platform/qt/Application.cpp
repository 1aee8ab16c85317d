// The Qt application object and the application title it sets.

#include "platform/qt/Application.h"

#include "app/ApplicationTitle.h"
#include "platform/qt/ErrorBox.h"
#include "platform/qt/MessageLoop.h"
#include "support/runtime/ErrorBox.h"
#include "support/runtime/MessageLoop.h"

#include <QString>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    SetApplicationTitle(ApplicationTitleFromPath(applicationFilePath().toStdString()));
    SetPlatformErrorBox(&QtErrorBox());
    SetMessageLoop(&QtMessageLoop());
}

TApplication::~TApplication()
{
    SetMessageLoop(nullptr);
    SetPlatformErrorBox(nullptr);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowHandlerError(error);
    } catch (...) {
        ShowHandlerErrorMessage("Unknown error");
    }
    return true;
}

std::string ApplicationTitleFromPath(const std::string& programPath)
{
    // Letters beyond ASCII are lowered too: a Czech file name is as likely.
    return ApplicationTitleOf(
        programPath, [](const std::string& text) { return QString::fromStdString(text).toLower().toStdString(); });
}
