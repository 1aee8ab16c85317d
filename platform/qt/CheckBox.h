#pragma once
// The Qt check box with a 13-pixel box and a 3-pixel gap, so that its
// caption fits the definition's width.

#include "platform/qt/Control.h"

#include <QCheckBox>

#include <functional>

class TCheckBox final : public TQtControl<QCheckBox, ICheckBox> {
public:
    explicit TCheckBox(QWidget* parent);

    std::string Caption() const override { return text().toStdString(); }
    bool Checked() const override { return isChecked(); }
    void SetChecked(bool checked) override { setChecked(checked); }
    void SetOnChange(std::function<void()> handler) override { FOnChange = std::move(handler); }

private:
    std::function<void()> FOnChange;
};
