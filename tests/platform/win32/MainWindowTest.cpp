// The main window built by the Windows toolkit: every control at the
// rectangle the form's alignment gives on Linux too (at 96 dpi), the
// captions, the tab ring, and the handlers reached through the system's
// own messages, with a real run that dispatches messages itself.

#include "app/MainWindow.h"
#include "app/RunState.h"
#include "chart/LineSeries.h"
#include "platform/win32/ApplicationTitle.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/NativeControls.h"
#include "platform/win32/Toolkit.h"
#include "platform/win32/Window.h"
#include "support/runtime/MessageLoop.h"
#include "tests/support/runtime/ErrorBoxRecorder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

HWND H(const IControl* control) { return dynamic_cast<const win32::TNativeControl*>(control)->Handle(); }

// The window's rectangle in its parent's client area, in device pixels.
TRect DeviceBounds(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return TRect{r.left, r.top, r.right, r.bottom};
}

std::wstring Text(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::unique_ptr<TForm1> ShownForm()
{
    auto form = std::make_unique<TForm1>(win32::Win32Toolkit());
    form->Window->Show();
    // The activation comes back from the display (under Wine, X's focus
    // events): waited for, so that it does not move the focus later.
    const HWND window = H(form->Window.get());
    for (int i = 0; i < 200 && GetActiveWindow() != window; ++i) {
        DispatchPendingMessages();
        Sleep(10);
    }
    DispatchPendingMessages();
    return form;
}

// The program's message loop is the Windows one, as start-up installs it:
// a run dispatches the pending messages through it.
class Win32MainWindow : public ::testing::Test {
protected:
    void SetUp() override { SetMessageLoop(&win32::Win32MessageLoop()); }
    void TearDown() override { SetMessageLoop(nullptr); }
};

// The form's rectangles, the same the Linux tests expect of the Qt window.
TEST_F(Win32MainWindow, ControlsStandAtTheFormsRectangles)
{
    auto form = ShownForm();
    RECT client;
    GetClientRect(H(form->Window.get()), &client);
    EXPECT_EQ(client.right, 1077);
    EXPECT_EQ(client.bottom, 737);
    EXPECT_EQ(form->Window->Title(), "Form1");
    const struct {
        const IControl* Control;
        const IControl* Parent;
        TRect Bounds;
    } cases[] = {
        {form->Panel1, form->Window.get(), {0, 0, 1077, 737}}, {form->Panel2, form->Panel1, {1, 1, 1076, 201}},
        {form->Panel3, form->Panel1, {1, 201, 1076, 401}},     {form->Panel4, form->Panel1, {1, 401, 1076, 601}},
        {form->Panel5, form->Panel2, {1, 1, 258, 199}},        {form->Panel6, form->Panel3, {1, 1, 258, 199}},
        {form->Panel7, form->Panel4, {1, 1, 258, 199}},        {form->Edit1, form->Panel5, {120, 16, 241, 37}},
        {form->Edit2, form->Panel5, {120, 48, 241, 69}},       {form->Edit5, form->Panel5, {120, 80, 241, 101}},
        {form->Edit3, form->Panel6, {120, 16, 241, 37}},       {form->Edit4, form->Panel6, {120, 48, 241, 69}},
        {form->Edit6, form->Panel6, {120, 80, 241, 101}},      {form->Button1, form->Panel7, {24, 32, 99, 57}},
        {form->Button2, form->Panel7, {24, 64, 99, 89}},       {form->Button3, form->Panel7, {24, 96, 99, 121}},
        {form->CheckBox1, form->Panel7, {160, 37, 217, 54}},   {form->Output, form->Panel1, {8, 608, 257, 737}},
    };
    for (const auto& c : cases) {
        const HWND window = H(c.Control);
        EXPECT_EQ(GetParent(window), H(c.Parent)) << dynamic_cast<const win32::TNativeControl*>(c.Control)->Name();
        EXPECT_EQ(DeviceBounds(window), c.Bounds) << dynamic_cast<const win32::TNativeControl*>(c.Control)->Name();
        EXPECT_EQ(c.Control->Bounds(), c.Bounds);
    }
    // The charts' places: the rest of each row.
    for (const IPanel* row : {form->Panel2, form->Panel3, form->Panel4}) {
        const HWND chart = GetWindow(H(row), GW_CHILD) ? GetWindow(GetWindow(H(row), GW_CHILD), GW_HWNDNEXT) : nullptr;
        ASSERT_NE(chart, nullptr);
        EXPECT_EQ(DeviceBounds(chart), (TRect{258, 1, 1074, 199}));
    }
    // Labels at their places, sized to their text; the Greek letters in a
    // face that has them.
    const struct {
        const ILabel* Label;
        const wchar_t* Text;
        int Left;
        int Top;
    } labels[] = {
        {form->Label1, L"amplituda A1 [m]", 16, 24}, {form->Label3, L"frekvence", 16, 56},
        {form->Label7, L"\u03C91", 72, 56},          {form->Label5, L"\u03D51", 16, 88},
        {form->Label2, L"amplituda A2 [m]", 16, 24}, {form->Label8, L"\u03D52", 16, 88},
    };
    for (const auto& l : labels) {
        const TRect r = DeviceBounds(H(l.Label));
        EXPECT_EQ(Text(H(l.Label)), l.Text);
        EXPECT_EQ(r.Left, l.Left);
        EXPECT_EQ(r.Top, l.Top);
        EXPECT_GT(r.Width(), 0);
        EXPECT_GE(r.Height(), 11);
        HDC dc = GetDC(H(l.Label));
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(H(l.Label), WM_GETFONT, 0, 0)));
        WORD glyphs[32] = {};
        const int length = static_cast<int>(wcslen(l.Text));
        GetGlyphIndicesW(dc, l.Text, length, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
        ReleaseDC(H(l.Label), dc);
        EXPECT_EQ(std::count(glyphs, glyphs + length, WORD(0xFFFF)), 0) << "a missing glyph in label " << r.Left;
    }
    EXPECT_EQ(form->Panel1->Caption(), "Panel1");
    EXPECT_EQ(form->Panel3->Caption(), "Panel2");
    EXPECT_EQ(Text(H(form->Button1)), L"Start");
    EXPECT_EQ(Text(H(form->CheckBox1)), L"pomalu");
    EXPECT_EQ(Text(H(form->Edit1)), L"5");

    // A wider window widens only the charts.
    form->Window->SetBounds(TRect{248, 79, 1277 + 248, 837 + 79});
    EXPECT_EQ(DeviceBounds(H(form->Panel4)), (TRect{1, 401, 1276, 601}));
    EXPECT_EQ(DeviceBounds(H(form->Panel7)), (TRect{1, 1, 258, 199}));
}

// Moved to a monitor at 150 %: the controls keep their logical rectangles
// and stand at 1.5 times them, in a font 1.5 times the height.
TEST_F(Win32MainWindow, NewDpiScalesTheControlsAndTheirFont)
{
    auto form = ShownForm();
    const HWND window = H(form->Window.get());
    RECT outer;
    GetWindowRect(window, &outer);
    RECT suggested{outer.left, outer.top, outer.left + (outer.right - outer.left) * 3 / 2,
                   outer.top + (outer.bottom - outer.top) * 3 / 2};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(DeviceBounds(H(form->Edit1)), (TRect{180, 24, 362, 56}));
    EXPECT_EQ(DeviceBounds(H(form->Button1)), (TRect{36, 48, 149, 86}));
    EXPECT_EQ(form->Edit1->Bounds(), (TRect{120, 16, 241, 37}));
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(H(form->Edit1), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -17);
}

TEST_F(Win32MainWindow, TabFollowsTheRingAndSelectsAnEditBoxsText)
{
    auto form = ShownForm();
    auto* window = dynamic_cast<win32::TWindow*>(form->Window.get());
    const IControl* ring[] = {form->Edit1,   form->Edit2,   form->Edit5,   form->Edit3,     form->Edit4, form->Edit6,
                              form->Button1, form->Button2, form->Button3, form->CheckBox1, form->Output};
    SetFocus(H(ring[0]));
    for (size_t i = 1; i <= std::size(ring); ++i) {
        ASSERT_TRUE(window->MoveFocus(GetFocus(), false));
        EXPECT_EQ(GetFocus(), H(ring[i % std::size(ring)])) << i;
    }
    ASSERT_TRUE(window->MoveFocus(GetFocus(), true));
    EXPECT_EQ(GetFocus(), H(form->Output));
    // From the check box to the memo and on to Edit1, whose text is selected.
    window->MoveFocus(GetFocus(), false);
    DWORD from = 1, to = 0;
    SendMessageW(H(form->Edit1), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 1u);
    // A Tab key message goes through the loop's window keys.
    PostMessageW(H(form->Edit1), WM_KEYDOWN, VK_TAB, 0);
    DispatchPendingMessages();
    EXPECT_EQ(GetFocus(), H(form->Edit2));
}

TEST_F(Win32MainWindow, StartWithATextThatIsNoNumberShowsTheError)
{
    TErrorBoxRecorder errors;
    const std::string title = ApplicationTitle();
    SetApplicationTitle(win32::ApplicationTitleFromPath("C:\\Program Files\\kmity\\kmity.exe"));
    auto form = ShownForm();
    SendMessageW(H(form->Edit1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
    // Return presses no button, not even the focused one.
    SetFocus(H(form->Button1));
    PostMessageW(H(form->Button1), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(H(form->Button1), WM_CHAR, L'\r', 0);
    DispatchPendingMessages();
    EXPECT_TRUE(errors.Texts.empty());
    SendMessageW(H(form->Button1), BM_CLICK, 0, 0);
    ASSERT_EQ(errors.Texts.size(), 1u);
    EXPECT_EQ(errors.Texts[0], "'abc' is not a valid floating point value.");
    EXPECT_EQ(errors.Captions[0], "kmity");
    EXPECT_EQ(form->RunDepth(), 0);
    SetApplicationTitle(title);
}

// Stop, waiting in the queue, is dispatched by the run itself.
TEST_F(Win32MainWindow, StopEndsARunStartedByItsButton)
{
    TErrorBoxRecorder errors;
    auto form = ShownForm();
    PostMessageW(H(form->Button2), BM_CLICK, 0, 0);
    SendMessageW(H(form->Button1), BM_CLICK, 0, 0);
    EXPECT_TRUE(errors.Texts.empty()) << (errors.Texts.empty() ? "" : errors.Texts[0]);
    EXPECT_EQ(form->RunDepth(), 0);
    EXPECT_GT(form->Series1->PointCount(), 0);
    // The check box's click reaches its handler, checked.
    SendMessageW(H(form->CheckBox1), BM_CLICK, 0, 0);
    EXPECT_TRUE(form->CheckBox1->Checked());
    EXPECT_EQ(form->RunState.StepDelayMs, SlowStepDelayMs);
}

} // namespace
