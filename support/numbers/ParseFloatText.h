#pragma once
// Decimal text to an extended value, with the locale's decimal mark.
// Accepted: blanks (spaces only), an optional sign, digits with at most one
// decimal mark (at least a digit or the mark), an optional exponent "E"/"e"
// with optional sign and digits, blanks. No thousands marks, no tabs.

#include "support/numbers/Float80.h"
#include <string_view>

// False for text that is not a number or whose value is beyond the extended
// range; value is then left as it was.
bool TryParseFloatText(std::string_view text, Float80& value);

// Throws EConvertError "'<text>' is not a valid floating point value" with
// the text exactly as given.
Float80 ParseFloatText(std::string_view text);
