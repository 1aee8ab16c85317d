#pragma once
// What the window tests share: an error box that records instead of
// blocking, and a shown main window.

#include "app/Unit1.h"
#include "support/ErrorBox.h"

#include <QTest>

#include <memory>
#include <string>
#include <vector>

// Installed for the lifetime of the object; records every text and caption
// the program would show.
class TErrorBoxRecorder final : public IErrorBox {
public:
    TErrorBoxRecorder() : FPrevious(SetErrorBox(this)) {}
    ~TErrorBoxRecorder() override { SetErrorBox(FPrevious); }
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
    IErrorBox* FPrevious;
};

// The main window, shown and exposed, so that clicks reach it and its
// charts get their paints.
inline std::unique_ptr<TForm1> ShowMainWindow()
{
    auto form = std::make_unique<TForm1>();
    form->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(form.get());
    return form;
}

// The t of the points of a run: 0, then repeated additions of 0.1.
inline std::vector<double> RunTimes(int count)
{
    std::vector<double> times;
    double t = 0;
    for (int i = 0; i < count; ++i) {
        times.push_back(t);
        t = t + 0.1;
    }
    return times;
}
