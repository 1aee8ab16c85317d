#pragma once
// An error box that records what the program would show instead of
// blocking on a modal dialog. Installed for the lifetime of the object.

#include "support/runtime/ErrorBox.h"

#include <string>
#include <vector>

class TErrorBoxRecorder final : public IErrorBox {
public:
    TErrorBoxRecorder() : Previous(SetErrorBox(this)) {}
    ~TErrorBoxRecorder() override { SetErrorBox(Previous); }
    TErrorBoxRecorder(const TErrorBoxRecorder&) = delete;
    TErrorBoxRecorder& operator=(const TErrorBoxRecorder&) = delete;

    void Show(const std::string& text, const std::string& caption) override
    {
        Texts.push_back(text);
        Captions.push_back(caption);
    }

    std::vector<std::string> Texts;
    std::vector<std::string> Captions;

private:
    IErrorBox* Previous;
};
