#pragma once
// The Qt locale's decimal and thousands marks and their change notice.

#include "app/toolkit/LocaleMarks.h"

class QLocale;

// The marks of a given locale: the first character of each separator, "."
// and "," when the locale gives none.
TFormatSettings FormatSettingsOf(const QLocale& locale);

// The system locale's marks; the change notice comes from the application
// object, which must exist when a handler is set.
ILocaleMarks& QtLocaleMarks();
