#include "support/numbers/FormatNumberMask.h"

#include "support/numbers/Float80.h"

#include <cstdlib>

#include "support/numbers/DecimalDigits.h"
#include "support/numbers/FixedText.h"
#include "support/numbers/FormatGeneral.h"
#include "support/numbers/FormatSettings.h"
#include "support/numbers/NumberMask.h"
#include "support/runtime/Exceptions.h"

namespace {

constexpr std::size_t MaxMaskLength = 224;
constexpr int GeneralPrecision = 15;
constexpr int DigitsPrecision = 18;
constexpr int AllDecimals = 9999;

// Per mask character at most one digit and a thousands mark, or a literal
// of up to 4 bytes (5 bytes), plus up to 19 surplus digits with marks, one
// decimal mark, a sign, and at most 6 bytes per 2-character exponent
// marker: 224 × 5 + 95 + 4 + 1 < 2048.
using TMaskText = TFixedText<2048>;

// The bytes of the UTF-8 sequence that a lead byte begins; 1 for ASCII and
// for a byte that begins no sequence.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    return 1;
}

// The characters of a mask: a UTF-8 sequence counts once, any byte outside
// a complete sequence on its own, so no counted character is longer than
// 4 bytes. "é" is one character of two bytes.
std::size_t CountCharacters(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
        for (std::size_t k = 1; k < length; ++k)
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                length = 1;
        i += length;
    }
    return count;
}

int SectionFor(std::string_view mask, int wanted) { return MaskSection(mask, wanted).empty() ? 0 : wanted; }

// Writes the digits of one section; q is the decimal place of the next digit
// (1 is the units, 0 the first fraction digit), s the count of placeholders
// still to skip (< 0) or of integer digits the mask has no room for (> 0).
class TSectionWriter {
public:
    TSectionWriter(TMaskText& text, const TMaskLayout& layout, const DecimalDigits& digits)
        : Text(text), Layout(layout), Digits(digits), DecimalMark(EncodeUtf8(FormatSettings().DecimalMark)),
          ThousandsMark(FormatSettings().ThousandsMark)
    {
        ThousandsBytes = EncodeUtf8(ThousandsMark);
        const int exponent = digits.Exponent10;
        Place = layout.IsScientific ? layout.IntegerCount : std::max(exponent, layout.IntegerCount);
        Surplus = layout.IsScientific ? 0 : exponent - layout.IntegerCount;
    }

    void Write(std::string_view section)
    {
        TMaskTokenizer tokenizer(section);
        while (!tokenizer.AtEnd()) {
            const TMaskToken token = tokenizer.Next();
            switch (token.Kind) {
            case TMaskTokenKind::Placeholder:
                WritePlaceholder();
                break;
            case TMaskTokenKind::Scientific:
                WriteExponent(token);
                break;
            case TMaskTokenKind::Literal:
                Text.Append(token.Text);
                break;
            case TMaskTokenKind::DecimalPoint:
            case TMaskTokenKind::Thousands:
                break;
            }
        }
    }

private:
    char NextDigit() { return Next < Digits.DigitCount ? Digits.DigitString[Next++] : '0'; }

    void WritePlaceholder()
    {
        if (Surplus > 0) {
            for (int i = 0; i <= Surplus; ++i)
                WriteDigit(NextDigit());
            Surplus = 0;
        } else if (Surplus < 0) {
            ++Surplus;
            if (Place <= Layout.RequiredIntegers)
                WriteDigit('0');
            else
                --Place;
        } else if (Next < Digits.DigitCount) {
            WriteDigit(NextDigit());
        } else if (Place > -Layout.RequiredDecimals) {
            WriteDigit('0');
        } else {
            --Place;
        }
    }

    void WriteDigit(char digit)
    {
        if (Place == 0)
            Text.Append(DecimalMark);
        Text.Append(digit);
        if (Layout.HasThousands && ThousandsMark != 0 && Place > 1 && Place % 3 == 1)
            Text.Append(ThousandsBytes);
        --Place;
    }

    void WriteExponent(const TMaskToken& marker)
    {
        const int exponent = Digits.DigitCount == 0 ? 0 : Digits.Exponent10 - Layout.IntegerCount;
        Text.Append(marker.Character);
        if (exponent < 0)
            Text.Append('-');
        else if (marker.ExponentPlusSign)
            Text.Append('+');
        Text.AppendUnsigned(static_cast<unsigned>(std::abs(exponent)), marker.ExponentMinDigits);
    }

    TMaskText& Text;
    const TMaskLayout& Layout;
    const DecimalDigits& Digits;
    TUtf8Char DecimalMark;
    char32_t ThousandsMark;
    TUtf8Char ThousandsBytes;
    int Place = 0;
    int Surplus = 0;
    int Next = 0;
};

} // namespace

std::string FormatNumberMask(std::string_view mask, Float80 value)
{
    if (CountCharacters(mask) > MaxMaskLength)
        throw EConvertError("Format string too long");
    if (MaskSection(mask, 0).empty())
        return FormatGeneral(value, GeneralPrecision);

    int section = SectionFor(mask, value == 0 ? 2 : value < 0 ? 1 : 0);
    TMaskLayout layout = ScanMaskSection(MaskSection(mask, section));
    const DecimalDigits digits = layout.IsScientific
                                     ? ToDecimalDigits(value, layout.DigitCount, AllDecimals)
                                     : ToDecimalDigits(value, DigitsPrecision, layout.DigitCount - layout.IntegerCount);
    if (digits.Exponent10 == InfinityExponent10 || digits.Exponent10 == NaNExponent10 ||
        (!layout.IsScientific && digits.Exponent10 > DigitsPrecision))
        return FormatGeneral(value, GeneralPrecision);

    // A value that rounded to nothing is written by the zero section.
    if (digits.DigitCount == 0) {
        const int zeroSection = SectionFor(mask, 2);
        if (zeroSection != section) {
            section = zeroSection;
            layout = ScanMaskSection(MaskSection(mask, section));
        }
    }

    TMaskText text;
    // A negative value written by its own section carries no automatic sign.
    if (digits.IsNegative && section == 0)
        text.Append('-');
    TSectionWriter(text, layout, digits).Write(MaskSection(mask, section));
    return text.ToString();
}
