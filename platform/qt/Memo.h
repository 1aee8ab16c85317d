#pragma once
// The Qt memo: a plain text box without scroll bars that wraps at word
// boundaries at its width; Return starts a new line, Tab moves on.

#include "platform/qt/Control.h"

#include <QPlainTextEdit>
#include <QTextOption>

class TMemo final : public TQtControl<QPlainTextEdit, IMemo> {
public:
    explicit TMemo(QWidget* parent) : TQtControl(parent)
    {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setLineWrapMode(QPlainTextEdit::WidgetWidth);
        setWordWrapMode(QTextOption::WordWrap);
        setTabChangesFocus(true);
    }

    std::string Text() const override { return toPlainText().toStdString(); }
};
