// The error box hands MessageBoxW the UTF-16 text and caption, the error
// icon with one OK button, and its owner while that window exists.

#include "platform/win32/MessageBoxErrorBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TShown {
    HWND Owner = nullptr;
    std::wstring Text;
    std::wstring Caption;
    UINT Flags = 0;
    int Count = 0;
};
TShown Shown;

int WINAPI RecordBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT flags)
{
    Shown = {owner, text, caption, flags, Shown.Count + 1};
    return IDOK;
}

} // namespace

TEST(MessageBoxErrorBox, ShowsUtf16TextWithTheErrorIconAndItsOwner)
{
    Shown = {};
    HWND owner =
        CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    win32::TMessageBoxErrorBox box(owner, &RecordBox);
    box.Show("'1,5x' není platné číslo.\nZnovu.", "kmity");
    EXPECT_EQ(Shown.Count, 1);
    EXPECT_EQ(Shown.Owner, owner);
    EXPECT_EQ(Shown.Text, L"'1,5x' nen\u00ed platn\u00e9 \u010d\u00edslo.\nZnovu.");
    EXPECT_EQ(Shown.Caption, L"kmity");
    EXPECT_EQ(Shown.Flags, UINT(MB_ICONERROR | MB_OK));
    // Once its window is gone the box has no owner rather than a dead one.
    DestroyWindow(owner);
    box.Show("x", "kmity");
    EXPECT_EQ(Shown.Count, 2);
    EXPECT_EQ(Shown.Owner, nullptr);
}
