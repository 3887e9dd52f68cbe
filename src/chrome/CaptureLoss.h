#pragma once

class QEvent;
class QObject;
class QWidget;

// Whether `event`, seen by an application-wide filter while `grabber` holds the mouse in a
// modal loop, means the mouse has been taken away from it: the toolkit ungrabbed it, the
// grabber was hidden, the application lost activation, a modal window blocked the grabber's
// window, or the grabber's window lost activation to a window that is neither its form nor a
// floating tool window. The toolkit rarely reports the ungrab itself, so a loop that waited for
// it alone could outlive the user's press.
bool TakesCaptureAway(const QObject* watched, const QEvent* event, const QWidget* grabber);
