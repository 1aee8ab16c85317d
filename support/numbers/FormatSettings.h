#pragma once
// The two marks of decimal number text, taken from the user's locale (the
// platform reads them, app/toolkit/LocaleMarks.h). Every parse and format
// reads them at the time of the call, so a change of the user's settings
// applies to the next conversion.

// ThousandsMark 0 (NUL) means that no thousands mark is written.
struct TFormatSettings {
    char32_t DecimalMark = U'.';
    char32_t ThousandsMark = U',';
};

// The program-wide settings every conversion reads.
TFormatSettings& FormatSettings();

// One Unicode character written as UTF-8 (1 to 4 bytes), kept on the stack so
// that conversions need no allocation for their marks.
struct TUtf8Char {
    char Bytes[4] = {};
    int Length = 0;
};

TUtf8Char EncodeUtf8(char32_t character);
