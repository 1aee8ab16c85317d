// The Qt message loop over QCoreApplication's event loop. The application
// object (Application.h) is its last handler boundary.

#include "platform/qt/MessageLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>

namespace {

class TQtMessageLoop final : public IMessageLoop {
public:
    int Run() override { return QCoreApplication::exec(); }

    void DispatchPending() override
    {
        // processEvents never blocks: it delivers what is queued (posted
        // events, input, then the paints of invalid widgets) and returns.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

    void Quit(int status) override
    {
        // Queued, so that the handler asking for it finishes first.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
    }
};

} // namespace

IMessageLoop& QtMessageLoop()
{
    static TQtMessageLoop loop;
    return loop;
}
