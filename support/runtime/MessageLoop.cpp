#include "support/runtime/MessageLoop.h"

#include "support/runtime/ErrorBox.h"

#include <QEventLoop>
#include <QThread>

namespace {

bool& TerminatingMark()
{
    static bool terminating = false;
    return terminating;
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    SetApplicationTitle(ApplicationTitleFromPath(applicationFilePath().toStdString()));
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

void MarkApplicationTerminating() { TerminatingMark() = true; }

bool ApplicationTerminating() { return TerminatingMark(); }

void DispatchPendingMessages()
{
    // processEvents never blocks: it delivers what is queued (posted events,
    // input, then the paints of invalid widgets) and returns.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SleepMilliseconds(int ms)
{
    if (ms <= 0)
        QThread::yieldCurrentThread();
    else
        QThread::msleep(static_cast<unsigned long>(ms));
}
