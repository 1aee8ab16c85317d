// The marks read from a Qt locale: the part of the number settings that
// needs the toolkit, kept apart so that the rest builds without it.

#include "support/numbers/FormatSettings.h"

#include <QLocale>
#include <QString>

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

} // namespace

TFormatSettings FormatSettingsOf(const QLocale& locale)
{
    TFormatSettings settings;
    settings.DecimalMark = FirstCharacter(locale.decimalPoint(), U'.');
    settings.ThousandsMark = FirstCharacter(locale.groupSeparator(), U',');
    return settings;
}

void ReadFormatSettings() { FormatSettings() = FormatSettingsOf(QLocale::system()); }
