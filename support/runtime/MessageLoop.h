#pragma once
// The message handling that the program needs of its toolkit: the
// application object (whose notify is the last handler boundary), the
// terminating mark, handling the pending messages from inside a running
// handler, and the millisecond sleep.

#include <QApplication>

class TApplication : public QApplication {
public:
    // Also sets the application title from the program file's name.
    TApplication(int& argc, char** argv);

    // Every event passes here; an exception that escaped its handler is
    // shown in the error box and never reaches Qt's own dispatch.
    bool notify(QObject* receiver, QEvent* event) override;
};

// A close request marks the application as terminating; the mark is never
// cleared. The main loop ends once it sees the mark.
void MarkApplicationTerminating();
bool ApplicationTerminating();

// Handles every message now waiting (input, posted events, paints of the
// controls marked invalid) and returns without waiting for new ones.
void DispatchPendingMessages();

// Sleeps for ms milliseconds; 0 gives the processor away once.
void SleepMilliseconds(int ms);
