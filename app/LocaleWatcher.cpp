// The number format kept in step with the platform's locale marks.

#include "app/LocaleWatcher.h"

#include "app/toolkit/LocaleMarks.h"
#include "support/numbers/FormatSettings.h"

void ReadFormatSettings(const ILocaleMarks& marks) { FormatSettings() = marks.Read(); }

void WatchLocaleMarks(ILocaleMarks& marks)
{
    ReadFormatSettings(marks);
    marks.SetOnChange([&marks] { ReadFormatSettings(marks); });
}
