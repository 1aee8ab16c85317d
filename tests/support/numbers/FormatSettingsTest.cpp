#include <QLocale>
#include <gtest/gtest.h>

#include "support/numbers/FormatSettings.h"
#include "tests/support/numbers/NumberTextSettingsGuard.h"

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
    ReadFormatSettings();
    const TFormatSettings expected = FormatSettingsOf(QLocale::system());
    EXPECT_EQ(FormatSettings().DecimalMark, expected.DecimalMark);
    EXPECT_EQ(FormatSettings().ThousandsMark, expected.ThousandsMark);
    EXPECT_NE(FormatSettings().DecimalMark, U'?');
}

TEST(FormatSettings, EncodesMarksAsUtf8)
{
    const struct {
        char32_t Character;
        const char* Bytes;
    } cases[] = {
        {U',', ","},
        {U'\u00A0', "\xC2\xA0"},
        {U'\u066B', "\xD9\xAB"},
        {U'\u202F', "\xE2\x80\xAF"},
        {U'\U0001F600', "\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases) {
        const TUtf8Char encoded = EncodeUtf8(c.Character);
        EXPECT_EQ(std::string(encoded.Bytes, encoded.Length), c.Bytes);
    }
}
