#pragma once
// The decimal and thousands marks of a Windows locale, with the same rule as
// on every platform: the first character of each separator, "." and ","
// where the locale gives none; the user's marks and the notice that the
// user changed them.

#include "app/toolkit/LocaleMarks.h"
#include "support/numbers/FormatSettings.h"

#include <string_view>

namespace win32 {

// A locale by its name ("cs-CZ"); LOCALE_NAME_USER_DEFAULT is the user's.
TFormatSettings FormatSettingsOfLocaleName(const wchar_t* localeName);

// The first Unicode character of a UTF-16 text (a surrogate pair joined),
// or the fallback for an empty text.
char32_t FirstCharacter(std::wstring_view text, char32_t fallback);

// The user's marks (GetLocaleInfoEx); the change notice comes with
// WM_SETTINGCHANGE for "intl", which a hidden top-level window of class
// "KmityLocaleWatch" receives once a handler is set.
ILocaleMarks& Win32LocaleMarks();

} // namespace win32
