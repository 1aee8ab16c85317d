// The system locale's marks read through QLocale, and the application's
// locale change events passed on as the change notice.

#include "platform/qt/LocaleMarks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

namespace {

// The first Unicode character of a separator text, or the fallback when the
// locale gives an empty text.
char32_t FirstCharacter(const QString& text, char32_t fallback)
{
    if (text.isEmpty())
        return fallback;
    const QList<uint> characters = text.toUcs4();
    return characters.isEmpty() ? fallback : static_cast<char32_t>(characters.first());
}

// Installed on the application: every locale change the user makes reaches
// it as a LocaleChange event.
class TLocaleChangeFilter final : public QObject {
public:
    std::function<void()> OnChange;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LocaleChange && OnChange)
            OnChange();
        return QObject::eventFilter(watched, event);
    }
};

class TQtLocaleMarks final : public ILocaleMarks {
public:
    TFormatSettings Read() const override { return FormatSettingsOf(QLocale::system()); }

    void SetOnChange(std::function<void()> handler) override
    {
        if (!FFilter) {
            // Owned by the application object, so it never outlives it.
            FFilter = new TLocaleChangeFilter();
            FFilter->setParent(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(FFilter);
        }
        FFilter->OnChange = std::move(handler);
    }

private:
    QPointer<TLocaleChangeFilter> FFilter;
};

} // namespace

TFormatSettings FormatSettingsOf(const QLocale& locale)
{
    TFormatSettings settings;
    settings.DecimalMark = FirstCharacter(locale.decimalPoint(), U'.');
    settings.ThousandsMark = FirstCharacter(locale.groupSeparator(), U',');
    return settings;
}

ILocaleMarks& QtLocaleMarks()
{
    static TQtLocaleMarks marks;
    return marks;
}
