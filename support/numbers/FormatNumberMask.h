#pragma once
// Formats a number by a mask of up to three sections (positive; negative;
// zero) with the placeholders "0" and "#", "." for the decimal point, ","
// for thousands grouping, "E+"/"E-"/"e+"/"e-" for scientific notation and
// quoted literal text. "#,##0.###" gives 1234567.891 -> "1,234,567.891",
// 0.0005 -> "0.001", 1e18 -> "1E18" (beyond the mask: the general form).

#include "support/numbers/Float80.h"
#include <string>
#include <string_view>

// Throws EConvertError "Format string too long" for a mask of more than 224
// characters (UTF-8 code points, not bytes). Never fails for a value.
std::string FormatNumberMask(std::string_view mask, Float80 value);
