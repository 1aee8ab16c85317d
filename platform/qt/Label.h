#pragma once
// The Qt label: a QLabel sized to its text in its font.

#include "platform/qt/Control.h"

#include <QLabel>

class TLabel final : public TQtControl<QLabel, ILabel> {
public:
    using TQtControl::TQtControl;

    std::string Text() const override { return text().toStdString(); }
};
