#include "support/runtime/ErrorBox.h"

#include "support/runtime/MouseCapture.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace {

class PlatformErrorBox final : public IErrorBox {
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

IErrorBox* PlatformBox()
{
    static PlatformErrorBox platformBox;
    return &platformBox;
}

IErrorBox*& CurrentBox()
{
    static IErrorBox* box = PlatformBox();
    return box;
}

// Empty until the application object sets it from the program file.
std::string& TitleStorage()
{
    static std::string title;
    return title;
}

} // namespace

IErrorBox* SetErrorBox(IErrorBox* box)
{
    IErrorBox* previous = CurrentBox();
    CurrentBox() = box ? box : PlatformBox();
    return previous;
}

std::string ErrorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
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

void SetApplicationTitle(const std::string& title) { TitleStorage() = title; }

const std::string& ApplicationTitle() { return TitleStorage(); }

void ShowHandlerErrorMessage(const std::string& message)
{
    CancelMouseCaptureMode();
    CurrentBox()->Show(ErrorBoxText(message), ApplicationTitle());
}

void ShowHandlerError(const std::exception& error) { ShowHandlerErrorMessage(error.what()); }
