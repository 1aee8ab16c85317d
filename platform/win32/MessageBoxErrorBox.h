#pragma once
// The error box on Windows: the system's modal message box with the error
// icon and one OK button, owned by the program's window.

#include "support/runtime/ErrorBox.h"

#include <windows.h>

namespace win32 {

class TMessageBoxErrorBox final : public IErrorBox {
public:
    // The call that shows the box; tests put a recorder in its place.
    using TShowBox = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT flags);

    explicit TMessageBoxErrorBox(HWND owner = nullptr, TShowBox showBox = &MessageBoxW);

    // The window the box belongs to (disabled while the box is up); null
    // before the main window exists.
    void SetOwner(HWND owner) { Owner = owner; }

    // The text is plain: MessageBoxW shows it as given, line breaks included.
    void Show(const std::string& text, const std::string& caption) override;

private:
    HWND Owner;
    TShowBox ShowBox;
};

// The program's box, which start-up installs as the platform's error box;
// the main window makes itself its owner.
TMessageBoxErrorBox& ApplicationErrorBox();

} // namespace win32
