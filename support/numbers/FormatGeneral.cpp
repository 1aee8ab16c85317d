#include "support/numbers/FormatGeneral.h"

#include "support/numbers/Float80.h"

#include <algorithm>
#include <cstdlib>

#include "support/numbers/DecimalDigits.h"
#include "support/numbers/FixedText.h"
#include "support/numbers/FormatSettings.h"

namespace {

// Sign, 18 digits, up to three leading zeros, a mark of up to four bytes and
// an exponent of up to five characters fit well within this.
using TGeneralText = TFixedText<64>;

void WritePlain(TGeneralText& text, const DecimalDigits& digits, const TUtf8Char& decimalMark)
{
    const int exponent = digits.Exponent10;
    const int count = digits.DigitCount;
    if (exponent <= 0) {
        text.Append('0');
        if (count == 0)
            return;
        text.Append(decimalMark);
        for (int i = 0; i < -exponent; ++i)
            text.Append('0');
        text.Append(std::string_view(digits.DigitString, count));
        return;
    }
    for (int i = 0; i < exponent; ++i)
        text.Append(i < count ? digits.DigitString[i] : '0');
    if (count > exponent) {
        text.Append(decimalMark);
        text.Append(std::string_view(digits.DigitString + exponent, count - exponent));
    }
}

void WriteScientific(TGeneralText& text, const DecimalDigits& digits, const TUtf8Char& decimalMark)
{
    text.Append(digits.DigitString[0]);
    if (digits.DigitCount > 1) {
        text.Append(decimalMark);
        text.Append(std::string_view(digits.DigitString + 1, digits.DigitCount - 1));
    }
    const int exponent = digits.Exponent10 - 1;
    text.Append('E');
    if (exponent < 0)
        text.Append('-');
    text.AppendUnsigned(static_cast<unsigned>(std::abs(exponent)));
}

} // namespace

std::string FormatGeneral(Float80 value, int precision)
{
    precision = std::clamp(precision, 2, 18);
    const DecimalDigits digits = ToDecimalDigits(value, precision, 9999);
    if (digits.Exponent10 == NaNExponent10)
        return "NAN";
    if (digits.Exponent10 == InfinityExponent10)
        return digits.IsNegative ? "-INF" : "INF";

    TGeneralText text;
    if (digits.IsNegative)
        text.Append('-');
    const TUtf8Char decimalMark = EncodeUtf8(FormatSettings().DecimalMark);
    if (digits.Exponent10 >= -3 && digits.Exponent10 <= precision)
        WritePlain(text, digits, decimalMark);
    else
        WriteScientific(text, digits, decimalMark);
    return text.ToString();
}
