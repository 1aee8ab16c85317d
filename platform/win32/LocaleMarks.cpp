// The number marks read with GetLocaleInfoEx, and the user's locale
// watched for changes.

#include "platform/win32/LocaleMarks.h"

#include "platform/win32/MessageTarget.h"

#include <windows.h>

#include <iterator>
#include <string>
#include <string_view>

namespace win32 {

namespace {

// LOCALE_SDECIMAL and LOCALE_STHOUSAND are at most four characters long
// (with the terminating zero); a locale that cannot be read gives "".
std::wstring LocaleText(const wchar_t* localeName, LCTYPE type)
{
    wchar_t buffer[16] = {};
    const int length = GetLocaleInfoEx(localeName, type, buffer, static_cast<int>(std::size(buffer)));
    return length > 0 ? std::wstring(buffer) : std::wstring();
}

} // namespace

char32_t FirstCharacter(std::wstring_view text, char32_t fallback)
{
    if (text.empty())
        return fallback;
    const char32_t first = static_cast<char16_t>(text[0]);
    if (first >= 0xD800 && first < 0xDC00 && text.size() > 1) {
        const char32_t second = static_cast<char16_t>(text[1]);
        if (second >= 0xDC00 && second < 0xE000)
            return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }
    return first;
}

TFormatSettings FormatSettingsOfLocaleName(const wchar_t* localeName)
{
    TFormatSettings settings;
    settings.DecimalMark = FirstCharacter(LocaleText(localeName, LOCALE_SDECIMAL), U'.');
    settings.ThousandsMark = FirstCharacter(LocaleText(localeName, LOCALE_STHOUSAND), U',');
    return settings;
}

namespace {

class TWin32LocaleMarks final : public ILocaleMarks, public TMessageTarget {
public:
    ~TWin32LocaleMarks() override
    {
        if (FWatch)
            DestroyWindow(FWatch);
    }

    TFormatSettings Read() const override { return FormatSettingsOfLocaleName(LOCALE_NAME_USER_DEFAULT); }

    void SetOnChange(std::function<void()> handler) override
    {
        FOnChange = std::move(handler);
        // Broadcasts reach top-level windows only, not message-only ones:
        // the watch is a top-level window that never shows.
        if (!FWatch)
            FWatch = CreateTargetWindow(*this, TargetWindowClass(L"KmityLocaleWatch", nullptr), WS_POPUP, 0, nullptr,
                                        RECT{0, 0, 0, 0});
    }

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETTINGCHANGE && lParam &&
            std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl" && FOnChange)
            FOnChange();
        return DefWindowProcW(window, message, wParam, lParam);
    }

private:
    HWND FWatch = nullptr;
    std::function<void()> FOnChange;
};

} // namespace

ILocaleMarks& Win32LocaleMarks()
{
    static TWin32LocaleMarks marks;
    return marks;
}

} // namespace win32
