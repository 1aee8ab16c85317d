// The Qt locale's marks.

#include "platform/qt/LocaleMarks.h"
#include "app/LocaleWatcher.h"
#include "support/numbers/FormatSettings.h"
#include "tests/support/numbers/NumberTextSettingsGuard.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <gtest/gtest.h>

TEST(FormatSettings, MarksAreTheFirstCharacterOfTheLocaleSeparators)
{
    const TFormatSettings czech = FormatSettingsOf(QLocale(QLocale::Czech, QLocale::Czechia));
    EXPECT_EQ(czech.DecimalMark, U',');
    EXPECT_EQ(czech.ThousandsMark, U'\u00A0');

    const TFormatSettings english = FormatSettingsOf(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.DecimalMark, U'.');
    EXPECT_EQ(english.ThousandsMark, U',');

    const TFormatSettings german = FormatSettingsOf(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.DecimalMark, U',');
    EXPECT_EQ(german.ThousandsMark, U'.');
}

TEST(FormatSettings, ReadFormatSettingsTakesTheSystemLocale)
{
    TFormatSettingsGuard restore(U'?', U'?');
    ReadFormatSettings(QtLocaleMarks());
    const TFormatSettings expected = FormatSettingsOf(QLocale::system());
    EXPECT_EQ(FormatSettings().DecimalMark, expected.DecimalMark);
    EXPECT_EQ(FormatSettings().ThousandsMark, expected.ThousandsMark);
    EXPECT_NE(FormatSettings().DecimalMark, U'?');
}

TEST(StartUpLocale, LocaleChangeRereadsTheNumberMarks)
{
    const TFormatSettings saved = FormatSettings();
    ReadFormatSettings(QtLocaleMarks());
    const TFormatSettings system = FormatSettings();
    WatchLocaleMarks(QtLocaleMarks());
    FormatSettings().DecimalMark = U'#';
    QEvent other(QEvent::FontChange);
    QCoreApplication::sendEvent(qApp, &other);
    EXPECT_EQ(FormatSettings().DecimalMark, U'#');
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    EXPECT_EQ(FormatSettings().DecimalMark, system.DecimalMark);
    EXPECT_EQ(FormatSettings().ThousandsMark, system.ThousandsMark);
    QtLocaleMarks().SetOnChange(nullptr);
    FormatSettings() = saved;
}
