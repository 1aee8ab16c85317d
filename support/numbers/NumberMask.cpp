#include "support/numbers/NumberMask.h"

#include <algorithm>

namespace {

constexpr int MaxExponentDigits = 4;

bool IsQuote(char c) { return c == '"' || c == '\''; }

} // namespace

TMaskToken TMaskTokenizer::Next()
{
    TMaskToken token;
    const char c = Section[Position++];
    token.Character = c;
    if (c == '0' || c == '#') {
        token.Kind = TMaskTokenKind::Placeholder;
    } else if (c == '.') {
        token.Kind = TMaskTokenKind::DecimalPoint;
    } else if (c == ',') {
        token.Kind = TMaskTokenKind::Thousands;
    } else if ((c == 'E' || c == 'e') && Position < Section.size() &&
               (Section[Position] == '+' || Section[Position] == '-')) {
        token.Kind = TMaskTokenKind::Scientific;
        token.ExponentPlusSign = Section[Position++] == '+';
        int zeros = 0;
        for (; Position < Section.size() && Section[Position] == '0'; ++Position)
            ++zeros;
        token.ExponentMinDigits = std::min(zeros, MaxExponentDigits);
    } else if (IsQuote(c)) {
        // An unclosed quote runs to the end of the section.
        const std::size_t close = Section.find(c, Position);
        const std::size_t end = close == std::string_view::npos ? Section.size() : close;
        token.Text = Section.substr(Position, end - Position);
        Position = close == std::string_view::npos ? end : end + 1;
    } else {
        token.Text = Section.substr(Position - 1, 1);
    }
    return token;
}

std::string_view MaskSection(std::string_view mask, int index)
{
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (IsQuote(c)) {
            quote = c;
        } else if (c == ';') {
            if (index == 0)
                return mask.substr(start, i - start);
            --index;
            start = i + 1;
        }
    }
    return index == 0 ? mask.substr(start) : std::string_view();
}

// "#,##0.###": d = 7, p = 4, first "0" at index 3, last "0" ends at count 4,
// so one integer digit and no decimals are required.
TMaskLayout ScanMaskSection(std::string_view section)
{
    TMaskLayout layout;
    bool seenPoint = false;
    int firstZero = -1;
    int throughLastZero = 0;
    TMaskTokenizer tokenizer(section);
    while (!tokenizer.AtEnd()) {
        const TMaskToken token = tokenizer.Next();
        switch (token.Kind) {
        case TMaskTokenKind::Placeholder:
            if (token.Character == '0') {
                if (firstZero < 0)
                    firstZero = layout.DigitCount;
                throughLastZero = layout.DigitCount + 1;
            }
            ++layout.DigitCount;
            if (!seenPoint)
                ++layout.IntegerCount;
            break;
        case TMaskTokenKind::DecimalPoint:
            seenPoint = true;
            break;
        case TMaskTokenKind::Thousands:
            layout.HasThousands = true;
            break;
        case TMaskTokenKind::Scientific:
            layout.IsScientific = true;
            break;
        case TMaskTokenKind::Literal:
            break;
        }
    }
    if (firstZero >= 0)
        layout.RequiredIntegers = std::max(0, layout.IntegerCount - firstZero);
    layout.RequiredDecimals = std::max(0, throughLastZero - layout.IntegerCount);
    return layout;
}
