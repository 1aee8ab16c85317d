#pragma once
// A text built in a fixed buffer on the stack, so that formatting allocates
// nothing but the finished std::string. Callers size the buffer for the
// longest text they can produce; an append past the end is a programming
// error, asserted, and is dropped rather than written out of bounds.

#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>

#include "support/numbers/FormatSettings.h"

template <std::size_t Capacity>
class TFixedText {
public:
    void Append(char c)
    {
        assert(Length < Capacity);
        if (Length < Capacity)
            Bytes[Length++] = c;
    }

    void Append(std::string_view text)
    {
        for (char c : text)
            Append(c);
    }

    void Append(const TUtf8Char& character)
    {
        Append(std::string_view(character.Bytes, static_cast<std::size_t>(character.Length)));
    }

    // |number| in decimal without leading zeros, padded with "0" to minDigits.
    void AppendUnsigned(unsigned number, int minDigits = 1)
    {
        char digits[12];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + number % 10);
            number /= 10;
        } while (number != 0);
        for (int i = count; i < minDigits; ++i)
            Append('0');
        while (count > 0)
            Append(digits[--count]);
    }

    std::string ToString() const { return std::string(Bytes, Length); }

private:
    char Bytes[Capacity];
    std::size_t Length = 0;
};
