#pragma once
// The Qt main window: a top-level widget whose children the alignment
// places, with the close request passed to the program.

#include "platform/qt/Container.h"
#include "platform/qt/Control.h"

#include <functional>

class TWindow final : public TQtControl<TQtContainerWidget, IWindow> {
public:
    TWindow();

    TAlignContainer& Layout() override { return AlignLayout(); }
    void SetBounds(const TRect& bounds) override
    {
        TQtControl::SetBounds(bounds);
        AlignLayout().ClientResized();
    }
    std::string Title() const override { return windowTitle().toStdString(); }
    void SetTabOrder(const std::vector<IControl*>& ring) override;
    void Show() override { show(); }
    void Close() override { close(); }
    void SetOnCloseQuery(std::function<bool()> handler) override { FOnCloseQuery = std::move(handler); }
    void SetOnClosed(std::function<void()> handler) override { FOnClosed = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<bool()> FOnCloseQuery;
    std::function<void()> FOnClosed;
};
