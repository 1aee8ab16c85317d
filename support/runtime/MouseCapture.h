#pragma once
// The one object that holds the mouse capture (a chart during a zoom or
// scroll drag). Showing an error box tells it to cancel that mode first, so
// a drag never outlives the error that interrupted it.

// What holds the capture: told to leave its capture mode.
class IMouseCaptureHolder {
public:
    virtual ~IMouseCaptureHolder() = default;
    // Ends the drag as if it had been abandoned; must not throw.
    virtual void CancelMode() noexcept = 0;
};

void SetMouseCaptureHolder(IMouseCaptureHolder* holder);
// Forgets the holder if it is this one (a holder calls it when its drag ends
// and when it is destroyed).
void ReleaseMouseCaptureHolder(IMouseCaptureHolder* holder);
IMouseCaptureHolder* MouseCaptureHolder();

// Tells the holder, if any, to cancel its mode, and forgets it.
void CancelMouseCaptureMode();
