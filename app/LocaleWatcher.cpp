#include "app/LocaleWatcher.h"

#include "support/numbers/NumberText.h"

#include <QEvent>

bool TLocaleWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        ReadFormatSettings();
    return QObject::eventFilter(watched, event);
}
