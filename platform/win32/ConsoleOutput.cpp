// Standard output or the parent's console, with UTF-8 written as such to a
// pipe or file and as UTF-16 to a console (whose code page may be another).

#include "platform/win32/ConsoleOutput.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

namespace win32 {

namespace {

bool Usable(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }

bool WriteTo(HANDLE out, std::string_view utf8)
{
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        const std::wstring text = Utf16FromUtf8(utf8);
        return WriteConsoleW(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
    }
    return WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) != 0;
}

} // namespace

bool WriteToStartingConsole(std::string_view utf8, TConsoleStream stream)
{
    HANDLE out = GetStdHandle(stream == TConsoleStream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (Usable(out))
        return WriteTo(out, utf8);
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    // The standard handles were set at the start, before the console was
    // attached; the console's own output is opened by name.
    out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, 0, nullptr);
    if (!Usable(out))
        return false;
    const bool done = WriteTo(out, utf8);
    CloseHandle(out);
    return done;
}

} // namespace win32
