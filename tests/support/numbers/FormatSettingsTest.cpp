#include <gtest/gtest.h>

#include "support/numbers/FormatSettings.h"

TEST(FormatSettings, EncodesMarksAsUtf8)
{
    const struct {
        char32_t Character;
        const char* Bytes;
    } cases[] = {
        {U',', ","},
        {U'\u00A0', "\xC2\xA0"},
        {U'\u066B', "\xD9\xAB"},
        {U'\u202F', "\xE2\x80\xAF"},
        {U'\U0001F600', "\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases) {
        const TUtf8Char encoded = EncodeUtf8(c.Character);
        EXPECT_EQ(std::string(encoded.Bytes, encoded.Length), c.Bytes);
    }
}
