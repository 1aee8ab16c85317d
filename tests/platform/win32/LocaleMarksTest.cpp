// The number marks of Windows locales, and the first-character rule that
// takes them from the separator texts.

#include "platform/win32/LocaleMarks.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(LocaleMarks, ReadsTheMarksOfNamedLocales)
{
    const struct {
        const wchar_t* Locale;
        char32_t Decimal;
        char32_t Thousands;
    } cases[] = {
        {L"en-US", U'.', U','},
        {L"de-DE", U',', U'.'},
        {L"cs-CZ", U',', U'\u00A0'}, // a no-break space between thousands
    };
    for (const auto& c : cases) {
        const TFormatSettings marks = win32::FormatSettingsOfLocaleName(c.Locale);
        EXPECT_EQ(marks.DecimalMark, c.Decimal) << static_cast<uint32_t>(marks.DecimalMark);
        EXPECT_EQ(marks.ThousandsMark, c.Thousands) << static_cast<uint32_t>(marks.ThousandsMark);
    }
    // A locale that does not exist gives the defaults.
    const TFormatSettings unknown = win32::FormatSettingsOfLocaleName(L"xx-NOPE");
    EXPECT_EQ(unknown.DecimalMark, U'.');
    EXPECT_EQ(unknown.ThousandsMark, U',');
}

TEST(LocaleMarks, FirstCharacterJoinsASurrogatePairAndFallsBackWhenEmpty)
{
    EXPECT_EQ(win32::FirstCharacter(L"", U'.'), U'.');
    EXPECT_EQ(win32::FirstCharacter(L",x", U'.'), U',');
    EXPECT_EQ(win32::FirstCharacter(L"\U0001D7CE", U'.'), U'\U0001D7CE');
    // A lone high surrogate is kept as it is rather than read past.
    EXPECT_EQ(win32::FirstCharacter(std::wstring_view(L"\xD835", 1), U'.'), char32_t(0xD835));
}

TEST(LocaleMarks, ReadFormatSettingsTakesTheUsersLocale)
{
    const TFormatSettings saved = FormatSettings();
    FormatSettings() = {U'#', U'#'};
    FormatSettings() = win32::Win32LocaleMarks().Read();
    const TFormatSettings user = win32::FormatSettingsOfLocaleName(LOCALE_NAME_USER_DEFAULT);
    EXPECT_EQ(FormatSettings().DecimalMark, user.DecimalMark);
    EXPECT_EQ(FormatSettings().ThousandsMark, user.ThousandsMark);
    EXPECT_NE(FormatSettings().DecimalMark, U'#');
    FormatSettings() = saved;
}

// The change notice follows WM_SETTINGCHANGE for "intl" only.
TEST(LocaleMarks, ChangeNoticeFollowsTheInternationalSettings)
{
    int notices = 0;
    win32::Win32LocaleMarks().SetOnChange([&] { ++notices; });
    const HWND watch = FindWindowW(L"KmityLocaleWatch", nullptr);
    ASSERT_NE(watch, nullptr);
    SendMessageW(watch, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    SendMessageW(watch, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Environment"));
    SendMessageW(watch, WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(notices, 1);
    win32::Win32LocaleMarks().SetOnChange(nullptr);
}
