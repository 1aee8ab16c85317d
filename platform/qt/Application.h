#pragma once
// The Qt application object: the last handler boundary of every event, and
// the platform's services (error box, message loop) installed for the
// program while it lives.

#include <QApplication>

#include <string>

class TApplication : public QApplication {
public:
    // Also sets the application title from the program file's name and
    // installs the Qt error box and message loop.
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // Every event passes here; an exception that escaped its handler is
    // shown in the error box and never reaches Qt's own dispatch.
    bool notify(QObject* receiver, QEvent* event) override;
};

// The application title by the rule of app/ApplicationTitle.h, the letters
// lowered by Qt's case rules ("kmity" gives "kmity", "myProg.v2" "myprog").
std::string ApplicationTitleFromPath(const std::string& programPath);
