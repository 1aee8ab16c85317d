// The error box in use, the text it shows and the application title it
// shows it under.

#include "support/runtime/ErrorBox.h"

#include "support/runtime/MouseCapture.h"

#include <cstdio>

namespace {

// Stands in until the platform installs its message box: a message is never
// lost, even before the window system is up.
class TStandardErrorBox final : public IErrorBox {
public:
    void Show(const std::string& text, const std::string& caption) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
};

IErrorBox* StandardBox()
{
    static TStandardErrorBox standardBox;
    return &standardBox;
}

IErrorBox*& PlatformBox()
{
    static IErrorBox* platformBox = StandardBox();
    return platformBox;
}

IErrorBox*& CurrentBox()
{
    static IErrorBox* box = nullptr;
    return box;
}

IErrorBox* BoxInUse() { return CurrentBox() ? CurrentBox() : PlatformBox(); }

// Empty until the application object sets it from the program file.
std::string& TitleStorage()
{
    static std::string title;
    return title;
}

} // namespace

IErrorBox* SetErrorBox(IErrorBox* box)
{
    IErrorBox* previous = BoxInUse();
    CurrentBox() = box == PlatformBox() ? nullptr : box;
    return previous;
}

void SetPlatformErrorBox(IErrorBox* box) { PlatformBox() = box ? box : StandardBox(); }

std::string ErrorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

void SetApplicationTitle(const std::string& title) { TitleStorage() = title; }

const std::string& ApplicationTitle() { return TitleStorage(); }

void ShowHandlerErrorMessage(const std::string& message)
{
    CancelMouseCaptureMode();
    BoxInUse()->Show(ErrorBoxText(message), ApplicationTitle());
}

void ShowHandlerError(const std::exception& error) { ShowHandlerErrorMessage(error.what()); }
