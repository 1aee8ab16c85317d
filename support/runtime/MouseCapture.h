#pragma once
// The one widget that holds the mouse capture (a chart during a zoom or
// scroll drag). Showing an error box tells it to cancel that mode first, so
// a drag never outlives the error that interrupted it.

#include <QEvent>

class QWidget;

// The event a capture holder receives when it must leave its capture mode.
inline const QEvent::Type CancelModeEvent = static_cast<QEvent::Type>(QEvent::User + 1);

void SetMouseCaptureHolder(QWidget* holder);
void ReleaseMouseCaptureHolder(QWidget* holder);
QWidget* MouseCaptureHolder();

// Sends CancelModeEvent to the holder, if any, and forgets it.
void CancelMouseCaptureMode();
