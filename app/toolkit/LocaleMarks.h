#pragma once
// The user's decimal and thousands marks as the platform reads them, and
// the notice that the user changed them.

#include "support/numbers/FormatSettings.h"

#include <functional>

class ILocaleMarks {
public:
    virtual ~ILocaleMarks() = default;

    // The first character of each of the locale's separators; "." and ","
    // when the locale gives none.
    virtual TFormatSettings Read() const = 0;

    // Called whenever the user changes the locale's settings while the
    // program runs (from the message loop, like any event).
    virtual void SetOnChange(std::function<void()> handler) = 0;
};
