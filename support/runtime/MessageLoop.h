#pragma once
// The message handling the program needs of its platform: the main loop,
// handling the pending messages from inside a running handler, and the
// quit request; with the terminating mark and the millisecond sleep, which
// are the same on every platform.

// A platform's message loop. Its dispatch is the last handler boundary: an
// exception that escaped a handler is shown through ShowHandlerError and
// never passes into the platform's own code.
class IMessageLoop {
public:
    virtual ~IMessageLoop() = default;

    // Handles messages until Quit is called; returns the status given to it.
    virtual int Run() = 0;

    // Handles every message now waiting (input, posted events, paints of the
    // controls marked invalid) and returns without waiting for new ones.
    virtual void DispatchPending() = 0;

    // Makes Run return `status` once the message being handled is done;
    // returns at once.
    virtual void Quit(int status) = 0;
};

// The loop the free functions below use: the platform installs its own at
// start-up (nullptr uninstalls it).
void SetMessageLoop(IMessageLoop* loop);
IMessageLoop* CurrentMessageLoop();

// A close request marks the application as terminating; the mark is never
// cleared. The main loop ends once it sees the mark.
void MarkApplicationTerminating();
bool ApplicationTerminating();

// The installed loop's DispatchPending; nothing without one.
void DispatchPendingMessages();

// Sleeps for ms milliseconds; 0 gives the processor away once.
void SleepMilliseconds(int ms);
