#include "support/runtime/MouseCapture.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget>& Holder()
{
    static QPointer<QWidget> holder;
    return holder;
}

} // namespace

void SetMouseCaptureHolder(QWidget* holder) { Holder() = holder; }

void ReleaseMouseCaptureHolder(QWidget* holder)
{
    if (Holder() == holder)
        Holder() = nullptr;
}

QWidget* MouseCaptureHolder() { return Holder().data(); }

void CancelMouseCaptureMode()
{
    QPointer<QWidget> holder = Holder();
    Holder() = nullptr;
    if (holder) {
        QEvent cancel(CancelModeEvent);
        QCoreApplication::sendEvent(holder.data(), &cancel);
    }
}
