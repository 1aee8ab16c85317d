#pragma once
// Decimal number text: the locale's marks, parsing, the decimal digit form,
// the general form and number masks.

#include "support/numbers/DecimalDigits.h"
#include "support/numbers/FormatGeneral.h"
#include "support/numbers/FormatNumberMask.h"
#include "support/numbers/FormatSettings.h"
#include "support/numbers/ParseFloatText.h"
#include "support/numbers/ScaleByPowerOfTen.h"
