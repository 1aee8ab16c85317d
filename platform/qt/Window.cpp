// The Qt main window's tab ring and close request.

#include "platform/qt/Window.h"

#include <QCloseEvent>

TWindow::TWindow() : TQtControl(nullptr) {}

void TWindow::SetTabOrder(const std::vector<IControl*>& ring)
{
    for (size_t i = 0; i + 1 < ring.size(); ++i)
        QWidget::setTabOrder(QtWidget(ring[i]), QtWidget(ring[i + 1]));
    if (ring.size() > 1)
        QWidget::setTabOrder(QtWidget(ring.back()), QtWidget(ring.front()));
}

void TWindow::closeEvent(QCloseEvent* event)
{
    if (FOnCloseQuery && !FOnCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    if (FOnClosed)
        FOnClosed();
}
