// Floating literals in the software extended format, rounded once to the
// nearest value as a compiler rounds them: decimal ones through exact big
// integer arithmetic, hexadecimal ones directly.

#include "support/numbers/SoftFloat80.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "support/numbers/SoftFloat80Internal.h"

using namespace soft80::detail;

namespace {

// A nonnegative integer as 32-bit words, least significant first.
class TBigInteger {
public:
    explicit TBigInteger(uint32_t value = 0)
    {
        Words.push_back(value);
        Trim();
    }

    void MultiplyAdd(uint32_t factor, uint32_t addend)
    {
        uint64_t carry = addend;
        for (uint32_t& word : Words) {
            const uint64_t product = uint64_t(word) * factor + carry;
            word = static_cast<uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0)
            Words.push_back(static_cast<uint32_t>(carry));
        Trim();
    }

    void ShiftLeft(int bits)
    {
        Words.insert(Words.begin(), static_cast<size_t>(bits / 32), 0);
        const int rest = bits % 32;
        if (rest == 0)
            return;
        uint32_t carry = 0;
        for (uint32_t& word : Words) {
            const uint32_t next = word >> (32 - rest);
            word = (word << rest) | carry;
            carry = next;
        }
        if (carry != 0)
            Words.push_back(carry);
    }

    void ShiftRightOne()
    {
        for (size_t i = 0; i < Words.size(); ++i) {
            const uint32_t high = i + 1 < Words.size() ? Words[i + 1] << 31 : 0;
            Words[i] = (Words[i] >> 1) | high;
        }
        Trim();
    }

    int BitLength() const
    {
        if (Words.empty())
            return 0;
        return static_cast<int>(32 * (Words.size() - 1)) + 32 - std::countl_zero(Words.back());
    }

    bool IsZero() const { return Words.empty(); }
    bool Bit(int index) const
    {
        if (index < 0)
            return false;
        const size_t word = static_cast<size_t>(index / 32);
        return word < Words.size() && ((Words[word] >> (index % 32)) & 1) != 0;
    }

    friend bool operator>=(const TBigInteger& a, const TBigInteger& b)
    {
        if (a.Words.size() != b.Words.size())
            return a.Words.size() > b.Words.size();
        for (size_t i = a.Words.size(); i-- > 0;)
            if (a.Words[i] != b.Words[i])
                return a.Words[i] > b.Words[i];
        return true;
    }

    // *this -= b, for b <= *this.
    void Subtract(const TBigInteger& b)
    {
        int64_t borrow = 0;
        for (size_t i = 0; i < Words.size(); ++i) {
            int64_t d = int64_t(Words[i]) - borrow - (i < b.Words.size() ? int64_t(b.Words[i]) : 0);
            borrow = d < 0 ? 1 : 0;
            Words[i] = static_cast<uint32_t>(d + (borrow << 32));
        }
        Trim();
    }

    // The top bits from `from` downward into a 128-bit number, with a
    // sticky bit for anything nonzero below them.
    UInt128 TopBits(int from) const
    {
        UInt128 result = 0;
        for (int i = 0; i < 128; ++i)
            result = (result << 1) | (Bit(from - i) ? 1 : 0);
        for (int i = from - 128; i >= 0; --i)
            if (Bit(i))
                return result | 1;
        return result;
    }

private:
    void Trim()
    {
        while (!Words.empty() && Words.back() == 0)
            Words.pop_back();
    }
    std::vector<uint32_t> Words;
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int ReadExponent(std::string_view text, size_t& i)
{
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int exponent = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        exponent = std::min(exponent * 10 + (text[i++] - '0'), 1000000);
    return negative ? -exponent : exponent;
}

SoftFloat80 FromHexLiteral(std::string_view text)
{
    UInt128 significand = 0;
    int64_t exponent = 0;
    bool sticky = false;
    bool afterPoint = false;
    size_t i = 2;
    for (; i < text.size() && text[i] != 'p' && text[i] != 'P'; ++i) {
        if (text[i] == '.') {
            afterPoint = true;
            continue;
        }
        const int digit = HexDigit(text[i]);
        if (digit < 0)
            throw std::invalid_argument("not a hexadecimal floating literal");
        if ((significand >> 120) != 0) { // further digits only decide the rounding
            sticky = sticky || digit != 0;
            exponent += afterPoint ? 0 : 4;
            continue;
        }
        significand = (significand << 4) | unsigned(digit);
        exponent -= afterPoint ? 4 : 0;
    }
    ++i;
    exponent += ReadExponent(text, i);
    return RoundPack(false, exponent - 1, (significand << 1) | (sticky ? 1 : 0));
}

SoftFloat80 FromDecimalLiteral(std::string_view text)
{
    TBigInteger digits;
    int64_t exponent10 = 0;
    bool afterPoint = false;
    size_t i = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            afterPoint = true;
            continue;
        }
        if (text[i] < '0' || text[i] > '9')
            throw std::invalid_argument("not a decimal floating literal");
        digits.MultiplyAdd(10, static_cast<uint32_t>(text[i] - '0'));
        exponent10 -= afterPoint ? 1 : 0;
    }
    if (i < text.size()) {
        ++i;
        exponent10 += ReadExponent(text, i);
    }
    if (digits.IsZero() || exponent10 < -6000)
        return SoftFloat80();
    if (exponent10 > 6000)
        return soft80::Infinity;
    if (exponent10 >= 0) {
        for (int64_t k = 0; k < exponent10; ++k)
            digits.MultiplyAdd(10, 0);
        const int top = digits.BitLength() - 1;
        return RoundPack(false, top - 127, digits.TopBits(top));
    }
    // digits / 10^k: 120 quotient bits by long division, and the remainder
    // as the sticky bit.
    TBigInteger divisor(1);
    for (int64_t k = 0; k < -exponent10; ++k)
        divisor.MultiplyAdd(10, 0);
    const int shift = std::max(0, divisor.BitLength() - digits.BitLength() + 120);
    digits.ShiftLeft(shift);
    const int quotientBits = digits.BitLength() - divisor.BitLength() + 1;
    divisor.ShiftLeft(quotientBits - 1);
    UInt128 quotient = 0;
    for (int b = 0; b < quotientBits; ++b) {
        quotient <<= 1;
        if (digits >= divisor) {
            digits.Subtract(divisor);
            quotient |= 1;
        }
        divisor.ShiftRightOne();
    }
    return RoundPack(false, int64_t(-shift) - 1, (quotient << 1) | (digits.IsZero() ? 0 : 1));
}

} // namespace

SoftFloat80 SoftFloat80::FromLiteral(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return FromHexLiteral(text);
    return FromDecimalLiteral(text);
}
