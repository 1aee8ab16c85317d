#include "support/numbers/ParseFloatText.h"

#include "support/numbers/Float80.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

#include "support/numbers/FormatSettings.h"
#include "support/numbers/ScaleByPowerOfTen.h"
#include "support/runtime/Exceptions.h"

namespace {

// Reading stops after the exponent digit that brings it to this or more, so
// that any digit still left makes the text invalid (1e5000) while 1e999 is
// read whole.
constexpr int ExponentLimit = 500;

class TNumberReader {
public:
    explicit TNumberReader(std::string_view text) : Text(text) {}

    bool AtEnd() const { return Position == Text.size(); }

    void SkipBlanks()
    {
        while (!AtEnd() && Text[Position] == ' ')
            ++Position;
    }

    bool Take(char c)
    {
        if (AtEnd() || Text[Position] != c)
            return false;
        ++Position;
        return true;
    }

    bool Take(const TUtf8Char& mark)
    {
        const std::string_view bytes(mark.Bytes, static_cast<std::size_t>(mark.Length));
        if (Text.substr(Position, bytes.size()) != bytes)
            return false;
        Position += bytes.size();
        return true;
    }

    // The next character as a digit value, or -1.
    int PeekDigit() const
    {
        if (AtEnd() || Text[Position] < '0' || Text[Position] > '9')
            return -1;
        return Text[Position] - '0';
    }

    void Advance() { ++Position; }

private:
    std::string_view Text;
    std::size_t Position = 0;
};

// Every digit goes through the accumulator, integer and fraction alike;
// returns the number of digits read.
int64_t ReadDigits(TNumberReader& reader, Float80& accumulator)
{
    int64_t count = 0;
    for (int digit = reader.PeekDigit(); digit >= 0; digit = reader.PeekDigit()) {
        accumulator = accumulator * 10 + digit;
        reader.Advance();
        ++count;
    }
    return count;
}

int ReadExponent(TNumberReader& reader)
{
    const bool negative = !reader.Take('+') && reader.Take('-');
    int exponent = 0;
    for (int digit = reader.PeekDigit(); digit >= 0 && exponent < ExponentLimit; digit = reader.PeekDigit()) {
        exponent = exponent * 10 + digit;
        reader.Advance();
    }
    return negative ? -exponent : exponent;
}

// Fraction digit counts beyond the int range only push the scale further out
// of the extended range, which ScaleByPowerOfTen already handles.
int ClampToInt(int64_t n) { return static_cast<int>(n < INT_MIN ? INT_MIN : n > INT_MAX ? INT_MAX : n); }

} // namespace

bool TryParseFloatText(std::string_view text, Float80& value)
{
    const TUtf8Char decimalMark = EncodeUtf8(FormatSettings().DecimalMark);
    TNumberReader reader(text);
    reader.SkipBlanks();
    const bool negative = !reader.Take('+') && reader.Take('-');

    Float80 accumulator = 0;
    bool consumed = ReadDigits(reader, accumulator) > 0;
    int64_t fractionDigits = 0;
    if (reader.Take(decimalMark)) {
        consumed = true;
        fractionDigits = ReadDigits(reader, accumulator);
    }
    if (!consumed)
        return false;

    int exponent = 0;
    if (reader.Take('E') || reader.Take('e'))
        exponent = ReadExponent(reader);
    reader.SkipBlanks();
    if (!reader.AtEnd())
        return false;

    Float80 result = ScaleByPowerOfTen(accumulator, ClampToInt(exponent - fractionDigits));
    if (negative)
        result = -result;
    if (f80::isinf(result) || f80::isnan(result))
        return false;
    value = result;
    return true;
}

Float80 ParseFloatText(std::string_view text)
{
    Float80 value = 0;
    if (!TryParseFloatText(text, value))
        throw EConvertError(FormatMessage("'%s' is not a valid floating point value", std::string(text)));
    return value;
}
