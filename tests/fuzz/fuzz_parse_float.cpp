// Fuzzes TryParseFloatText with arbitrary bytes under three decimal marks
// (".", "," and the two-byte Arabic decimal separator). A recogniser of the
// valid form, written here from the grammar alone, must agree with the
// parser on every text, except that a number beyond the extended range is
// refused by the parser; the recogniser estimates the magnitude to excuse
// those. Where both accept, the value is checked against the C library's
// conversion of the same digits.

#include "support/numbers/FormatSettings.h"
#include "support/numbers/ParseFloatText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct TMarkChoice {
    char32_t Mark;
    std::string_view Utf8;
};

constexpr TMarkChoice MarkChoices[] = {{U'.', "."}, {U',', ","}, {U'\u066B', "\xD9\xAB"}};

// What the recogniser makes of a text: valid or not, and for a valid text
// the pieces from which the value and its rough size follow.
struct TRecognised {
    bool Valid = false;
    bool Negative = false;
    std::string IntegerDigits;
    std::string FractionDigits;
    long Exponent = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// blanks, [sign], digits, [mark digits], (at least one digit or the mark),
// [E|e [sign] digits up to the one that reaches 500], blanks, end.
TRecognised Recognise(std::string_view text, std::string_view mark)
{
    TRecognised r;
    std::size_t i = 0;
    auto more = [&] { return i < text.size(); };
    while (more() && text[i] == ' ')
        ++i;
    if (more() && (text[i] == '+' || text[i] == '-'))
        r.Negative = text[i++] == '-';
    while (more() && IsDigit(text[i]))
        r.IntegerDigits += text[i++];
    bool sawMark = false;
    if (text.substr(i, mark.size()) == mark) {
        sawMark = true;
        i += mark.size();
        while (more() && IsDigit(text[i]))
            r.FractionDigits += text[i++];
    }
    if (r.IntegerDigits.empty() && r.FractionDigits.empty() && !sawMark)
        return r;
    if (more() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (more() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        long magnitude = 0;
        while (more() && IsDigit(text[i]) && magnitude < 500)
            magnitude = magnitude * 10 + (text[i++] - '0');
        r.Exponent = negativeExponent ? -magnitude : magnitude;
    }
    while (more() && text[i] == ' ')
        ++i;
    r.Valid = !more();
    return r;
}

// floor(log10) of the digit string read as one integer, -1 for zero.
long IntegerMagnitude(const std::string& digits)
{
    std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? -1 : static_cast<long>(digits.size() - first - 1);
}

// The parser multiplies all digits into one accumulator and scales it once;
// either may leave the extended range (about 1.19e4932), and a scale of
// 5120 decades or more is taken as beyond it. Near those borders the rough
// estimate cannot decide, so the margin is generous.
bool BeyondExtendedRange(const TRecognised& r)
{
    const long accumulator = IntegerMagnitude(r.IntegerDigits + r.FractionDigits);
    if (accumulator < 0)
        return false; // zero stays zero at any scale
    const long scale = r.Exponent - static_cast<long>(r.FractionDigits.size());
    return accumulator >= 4930 || accumulator + scale >= 4930 || scale >= 5120;
}

// Values that lie in the normal extended range and were scaled by less than
// 5120 decades must come out within rounding of the C library's value.
void CheckValue(const TRecognised& r, long double value, std::string_view text)
{
    const long accumulator = IntegerMagnitude(r.IntegerDigits + r.FractionDigits);
    const long scale = r.Exponent - static_cast<long>(r.FractionDigits.size());
    std::string plain = std::string(r.Negative ? "-" : "") + "0" + r.IntegerDigits + "." + r.FractionDigits + "e" +
                        std::to_string(r.Exponent);
    const long double expected = std::strtold(plain.c_str(), nullptr);
    if (accumulator < 0) {
        if (value != 0 || std::signbit(value) != r.Negative) {
            std::fprintf(stderr, "zero text %.*s gave %Lg\n", static_cast<int>(text.size()), text.data(), value);
            std::abort();
        }
        return;
    }
    if (scale <= -5120 || accumulator + scale <= -4900)
        return; // subnormal or taken as zero: the exact value is not defined by the grammar
    const long double error = std::fabs(value - expected) / std::fabs(expected);
    if (!(error <= 1e-12L)) {
        std::fprintf(stderr, "value of %.*s: got %.21Lg, expected %.21Lg\n", static_cast<int>(text.size()), text.data(),
                     value, expected);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const TMarkChoice& choice = MarkChoices[data[0] % 3];
    FormatSettings().DecimalMark = choice.Mark;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    long double value = 12345;
    const bool parsed = TryParseFloatText(text, value);
    const TRecognised recognised = Recognise(text, choice.Utf8);

    if (parsed && !recognised.Valid) {
        std::fprintf(stderr, "parser accepted an invalid text: [%.*s]\n", static_cast<int>(text.size()), text.data());
        std::abort();
    }
    if (!parsed && recognised.Valid && !BeyondExtendedRange(recognised)) {
        std::fprintf(stderr, "parser refused a valid text: [%.*s]\n", static_cast<int>(text.size()), text.data());
        std::abort();
    }
    if (!parsed && value != 12345) {
        std::fprintf(stderr, "a refused text changed the value\n");
        std::abort();
    }
    if (parsed)
        CheckValue(recognised, value, text);
    return 0;
}
