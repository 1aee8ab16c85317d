#pragma once
// Keeps the number format in step with the user's locale: the marks are
// read at start-up and again whenever the user changes them, so the next
// conversion uses the new ones.

class ILocaleMarks;

// Reads both marks into the program-wide FormatSettings.
void ReadFormatSettings(const ILocaleMarks& marks);

// Reads them now and on every change notice of `marks`.
void WatchLocaleMarks(ILocaleMarks& marks);
