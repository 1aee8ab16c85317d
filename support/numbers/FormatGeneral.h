#pragma once
// The general text form of a number with `precision` significant digits
// (clamped to 2..18): plain decimals for decimal exponents -3..precision,
// scientific otherwise. 1234.5 -> "1234.5", 1.5e20 -> "1.5E20",
// 0.00001 -> "1E-5", infinities "INF" / "-INF", not-a-number "NAN".

#include "support/numbers/Float80.h"
#include <string>

std::string FormatGeneral(Float80 value, int precision);
