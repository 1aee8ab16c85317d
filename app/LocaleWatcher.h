#pragma once
// Keeps the number format in step with the user's locale: installed on the
// application, it re-reads the decimal and thousands marks whenever the
// user changes them, so the next conversion uses the new ones.

#include <QObject>

class TLocaleWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
