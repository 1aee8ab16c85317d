#pragma once
// The Qt edit box. Selecting the whole text on keyboard focus is QLineEdit's
// own habit for Tab, Backtab and shortcut focus; a mouse click places the
// cursor.

#include "platform/qt/Control.h"

#include <QLineEdit>

class TEdit final : public TQtControl<QLineEdit, IEdit> {
public:
    using TQtControl::TQtControl;

    std::string Text() const override { return text().toStdString(); }
    void SetText(const std::string& text) override { setText(QString::fromStdString(text)); }
};
