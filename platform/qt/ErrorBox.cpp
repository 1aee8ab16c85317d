// The Qt error box: the critical message box over the active window, with
// the focus given back where it was.

#include "platform/qt/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace {

class TQtErrorBox final : public IErrorBox {
public:
    void Show(const std::string& text, const std::string& caption) override
    {
        QPointer<QWidget> focus = QApplication::focusWidget();
        QPointer<QWidget> active = QApplication::activeWindow();
        QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption), QString::fromStdString(text),
                        QMessageBox::Ok, active);
        // Exactly the text as built: typed markup such as "<b>5</b>" shows
        // as typed instead of being rendered.
        box.setTextFormat(Qt::PlainText);
        box.exec();
        if (active)
            active->activateWindow();
        if (focus)
            focus->setFocus();
    }
};

} // namespace

IErrorBox& QtErrorBox()
{
    static TQtErrorBox box;
    return box;
}
