#pragma once
// Sets the program-wide format marks for one test and restores the previous
// ones when the test ends, pass or fail.

#include "support/numbers/FormatSettings.h"

class TFormatSettingsGuard {
public:
    TFormatSettingsGuard(char32_t decimalMark, char32_t thousandsMark) : Saved(FormatSettings())
    {
        FormatSettings().DecimalMark = decimalMark;
        FormatSettings().ThousandsMark = thousandsMark;
    }
    ~TFormatSettingsGuard() { FormatSettings() = Saved; }
    TFormatSettingsGuard(const TFormatSettingsGuard&) = delete;
    TFormatSettingsGuard& operator=(const TFormatSettingsGuard&) = delete;

private:
    TFormatSettings Saved;
};
