#pragma once
// Decimal number text: the locale's marks, parsing, the decimal digit form,
// the general form and number masks.

#include "support/DecimalDigits.h"
#include "support/FormatGeneral.h"
#include "support/FormatNumberMask.h"
#include "support/FormatSettings.h"
#include "support/ParseFloatText.h"
#include "support/ScaleByPowerOfTen.h"
