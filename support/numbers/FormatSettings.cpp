// The program-wide number settings every conversion reads, and one mark
// written as UTF-8.

#include "support/numbers/FormatSettings.h"

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

TUtf8Char EncodeUtf8(char32_t character)
{
    TUtf8Char result;
    auto byte = [](char32_t bits) { return static_cast<char>(static_cast<unsigned char>(bits)); };
    if (character < 0x80) {
        result.Bytes[0] = byte(character);
        result.Length = 1;
    } else if (character < 0x800) {
        result.Bytes[0] = byte(0xC0 | (character >> 6));
        result.Bytes[1] = byte(0x80 | (character & 0x3F));
        result.Length = 2;
    } else if (character < 0x10000) {
        result.Bytes[0] = byte(0xE0 | (character >> 12));
        result.Bytes[1] = byte(0x80 | ((character >> 6) & 0x3F));
        result.Bytes[2] = byte(0x80 | (character & 0x3F));
        result.Length = 3;
    } else {
        // Beyond the Unicode range nothing valid can be written; the
        // replacement character stands in for it.
        if (character > 0x10FFFF)
            return EncodeUtf8(U'\uFFFD');
        result.Bytes[0] = byte(0xF0 | (character >> 18));
        result.Bytes[1] = byte(0x80 | ((character >> 12) & 0x3F));
        result.Bytes[2] = byte(0x80 | ((character >> 6) & 0x3F));
        result.Bytes[3] = byte(0x80 | (character & 0x3F));
        result.Length = 4;
    }
    return result;
}
