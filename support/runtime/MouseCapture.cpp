// The mouse capture holder: one process-wide slot.
#include "support/runtime/MouseCapture.h"

namespace {

IMouseCaptureHolder*& Holder()
{
    static IMouseCaptureHolder* holder = nullptr;
    return holder;
}

} // namespace

void SetMouseCaptureHolder(IMouseCaptureHolder* holder) { Holder() = holder; }

void ReleaseMouseCaptureHolder(IMouseCaptureHolder* holder)
{
    if (Holder() == holder)
        Holder() = nullptr;
}

IMouseCaptureHolder* MouseCaptureHolder() { return Holder(); }

// Forgotten before it is told, so a holder that starts a new drag while
// cancelling keeps its new capture.
void CancelMouseCaptureMode()
{
    IMouseCaptureHolder* holder = Holder();
    Holder() = nullptr;
    if (holder)
        holder->CancelMode();
}
