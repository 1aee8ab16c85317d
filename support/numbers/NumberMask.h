#pragma once
// Reading a number mask such as "#,##0.###;(#,##0.###);zero": its sections
// and the tokens of a section. The mask is read byte by byte; the mask
// characters are ASCII and any other byte is literal text.

#include <cstddef>
#include <string_view>

enum class TMaskTokenKind { Placeholder, DecimalPoint, Thousands, Scientific, Literal };

struct TMaskToken {
    TMaskTokenKind Kind = TMaskTokenKind::Literal;
    char Character = 0; // "0" or "#"; "E" or "e" of a scientific marker
    bool ExponentPlusSign = false; // the marker was "E+" / "e+"
    int ExponentMinDigits = 0; // "0"s after the marker's sign, at most 4 count
    std::string_view Text; // literal text, quotes removed
};

// Splits a section into tokens; Position is the byte index of the next one.
class TMaskTokenizer {
public:
    explicit TMaskTokenizer(std::string_view section) : Section(section) {}
    bool AtEnd() const { return Position >= Section.size(); }
    TMaskToken Next();

private:
    std::string_view Section;
    std::size_t Position = 0;
};

// Section 0, 1 or 2 of the mask (split at ";" outside quotes); empty when
// the mask has fewer sections.
std::string_view MaskSection(std::string_view mask, int index);

// What a section asks of the number: placeholder counts and markers.
struct TMaskLayout {
    int DigitCount = 0; // digit placeholders, d
    int IntegerCount = 0; // placeholders before the first ".", p
    int RequiredIntegers = 0; // digits always written before the point
    int RequiredDecimals = 0; // digits always written after the point
    bool HasThousands = false; // a "," anywhere in the section
    bool IsScientific = false; // an "E+", "E-", "e+" or "e-" marker
};

TMaskLayout ScanMaskSection(std::string_view section);
