#pragma once
// The Qt push button, neither default nor cancel button: Return and Escape
// press none.

#include "platform/qt/Control.h"

#include <QPushButton>

#include <functional>

class TButton final : public TQtControl<QPushButton, IButton> {
public:
    explicit TButton(QWidget* parent) : TQtControl(parent)
    {
        setAutoDefault(false);
        setDefault(false);
        connect(this, &QPushButton::clicked, this, [this] {
            if (FOnClick)
                FOnClick();
        });
    }

    std::string Caption() const override { return text().toStdString(); }
    void SetOnClick(std::function<void()> handler) override { FOnClick = std::move(handler); }

private:
    std::function<void()> FOnClick;
};
