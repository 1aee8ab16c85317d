#pragma once
// Text between the program's UTF-8 and the UTF-16 of the Windows API.

#include <string>
#include <string_view>

namespace win32 {

// Invalid input sequences become U+FFFD, as the system converts them.
std::wstring Utf16FromUtf8(std::string_view text);
std::string Utf8FromUtf16(std::wstring_view text);

} // namespace win32
