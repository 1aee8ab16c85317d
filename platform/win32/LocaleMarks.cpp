// The number marks read with GetLocaleInfoEx; ReadFormatSettings takes the
// user's locale on Windows.

#include "platform/win32/LocaleMarks.h"

#include <windows.h>

#include <iterator>
#include <string>

namespace win32 {

namespace {

// LOCALE_SDECIMAL and LOCALE_STHOUSAND are at most four characters long
// (with the terminating zero); a locale that cannot be read gives "".
std::wstring LocaleText(const wchar_t* localeName, LCTYPE type)
{
    wchar_t buffer[16] = {};
    const int length = GetLocaleInfoEx(localeName, type, buffer, static_cast<int>(std::size(buffer)));
    return length > 0 ? std::wstring(buffer) : std::wstring();
}

} // namespace

char32_t FirstCharacter(std::wstring_view text, char32_t fallback)
{
    if (text.empty())
        return fallback;
    const char32_t first = static_cast<char16_t>(text[0]);
    if (first >= 0xD800 && first < 0xDC00 && text.size() > 1) {
        const char32_t second = static_cast<char16_t>(text[1]);
        if (second >= 0xDC00 && second < 0xE000)
            return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }
    return first;
}

TFormatSettings FormatSettingsOfLocaleName(const wchar_t* localeName)
{
    TFormatSettings settings;
    settings.DecimalMark = FirstCharacter(LocaleText(localeName, LOCALE_SDECIMAL), U'.');
    settings.ThousandsMark = FirstCharacter(LocaleText(localeName, LOCALE_STHOUSAND), U',');
    return settings;
}

} // namespace win32

// The user's marks, re-read when the system announces a change of the
// user's settings (WM_SETTINGCHANGE with "intl").
void ReadFormatSettings() { FormatSettings() = win32::FormatSettingsOfLocaleName(LOCALE_NAME_USER_DEFAULT); }
