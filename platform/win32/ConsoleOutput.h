#pragma once
// Text for the console the program was started from. A GUI program gets no
// console of its own; it writes to the standard output it inherited (a pipe
// or a file, or a Unix terminal under Wine) or else to its parent's console.

#include <string_view>

namespace win32 {

// Standard output, or standard error for error messages. Returns false when
// there is nowhere to write (started from the desktop).
enum class TConsoleStream { Output, Error };
bool WriteToStartingConsole(std::string_view utf8, TConsoleStream stream = TConsoleStream::Output);

} // namespace win32
