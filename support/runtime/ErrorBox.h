#pragma once
// The error box: how an exception that escaped an event handler reaches the
// user. The box itself sits behind a small interface so that tests can
// record what would be shown instead of blocking on a modal dialog.

#include <exception>
#include <string>

class IErrorBox {
public:
    virtual ~IErrorBox() = default;
    // Shows a modal box with the text, the caption, the error icon and one OK
    // button; returns when the user has closed it.
    virtual void Show(const std::string& text, const std::string& caption) = 0;
};

// Replaces the box (nullptr restores the platform's message box); returns
// the previous one.
IErrorBox* SetErrorBox(IErrorBox* box);

// The platform's message box, installed by the platform at start-up; it
// is what SetErrorBox(nullptr) restores. Until one is installed a message
// goes to standard error.
void SetPlatformErrorBox(IErrorBox* box);

// The message as the box shows it: a full stop is appended when the message
// is not empty and its last character sorts after "." in character code
// order ("e" gets one; ".", ")", "'", "!" and a blank keep their end).
std::string ErrorBoxText(const std::string& message);

// The application title, which the platform's application object sets at
// its creation from the program file's name, by a rule every platform shares.
void SetApplicationTitle(const std::string& title);
const std::string& ApplicationTitle();

// Cancels any mouse capture mode, then shows the message in the error box.
void ShowHandlerError(const std::exception& error);
void ShowHandlerErrorMessage(const std::string& message);

// Runs an event handler so that no exception leaves it: whatever escapes is
// shown in the error box and the handler is abandoned at that point.
template <class Handler>
void GuardHandler(Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        ShowHandlerError(error);
    } catch (...) {
        ShowHandlerErrorMessage("Unknown error");
    }
}
