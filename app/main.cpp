// Start-up: the number format from the user's locale, the application and
// its title, the window, and the message loop until the window is closed.

#include "app/Unit1.h"
#include "support/ErrorBox.h"
#include "support/MessageLoop.h"
#include "support/NumberText.h"

#include <QEvent>
#include <QObject>

namespace {

// Re-reads the decimal and thousands marks whenever the user changes the
// locale, so the next conversion uses the new ones.
class TLocaleWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LocaleChange)
            ReadFormatSettings();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    ReadFormatSettings();
    TApplication app(argc, argv);
    TLocaleWatcher localeWatcher;
    app.installEventFilter(&localeWatcher);
    SetApplicationTitle(ApplicationTitleFromPath(argc > 0 ? argv[0] : "kmity"));

    TForm1 form;
    // Closing the window marks the application as terminating; the loop
    // ends with it (a close during a run waits until the run has ended).
    QObject::connect(&form, &TForm1::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    return app.exec();
}
