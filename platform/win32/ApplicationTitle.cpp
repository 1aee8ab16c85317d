// The application title with LCMapStringEx's lower case.

#include "platform/win32/ApplicationTitle.h"

#include "app/ApplicationTitle.h"
#include "platform/win32/Utf16.h"

#include <windows.h>

#include <vector>

namespace win32 {

namespace {

std::string LowerCase(const std::string& utf8)
{
    const std::wstring text = Utf16FromUtf8(utf8);
    if (text.empty())
        return utf8;
    std::wstring lowered(text.size() * 2, L'\0');
    const int length =
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, text.c_str(), static_cast<int>(text.size()),
                      lowered.data(), static_cast<int>(lowered.size()), nullptr, nullptr, 0);
    if (length <= 0)
        return utf8;
    lowered.resize(static_cast<size_t>(length));
    return Utf8FromUtf16(lowered);
}

} // namespace

std::string ApplicationTitleFromPath(const std::string& programPath)
{
    return ApplicationTitleOf(programPath, &LowerCase);
}

std::string RunningApplicationTitle()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
            return ApplicationTitleFromPath(Utf8FromUtf16(std::wstring_view(path.data(), length)));
        path.resize(path.size() * 2);
    }
}

} // namespace win32
