// The Qt application object and the application title it sets.

#include "platform/qt/Application.h"

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
    std::string name = programPath.substr(programPath.find_last_of("/\\") + 1);
    name = name.substr(0, name.find('.'));
    // Letters beyond ASCII are lowered too: a Czech file name is as likely.
    const QString title = QString::fromStdString(name);
    const qsizetype first = title.size() > 1 && title.at(0).isHighSurrogate() ? 2 : 1;
    return (title.left(first) + title.mid(first).toLower()).toStdString();
}
