#include "CaptureLoss.h"

#include "FloatingWindowParent.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

// The form a window belongs to: a floating tool window's host stands for its form.
const QWidget* formOf(const QWidget* window) {
    if (const auto* host = qobject_cast<const TFloatingWindowParent*>(window))
        return host->ParentForm() ? host->ParentForm() : window;
    return window;
}

// Activation moving between a form and its floating tool windows leaves the press alone: the
// tool windows hand activation back to their form on their own.
bool staysWithTheForm(const QWidget* grabberWindow) {
    const QWidget* active = QApplication::activeWindow();
    return active && formOf(active) == formOf(grabberWindow);
}

} // namespace

bool TakesCaptureAway(const QObject* watched, const QEvent* event, const QWidget* grabber) {
    if (!grabber)
        return true;
    const QWidget* grabberWindow = grabber->window();
    switch (event->type()) {
    case QEvent::UngrabMouse:
    case QEvent::Hide:
        return watched == grabber;
    case QEvent::ApplicationDeactivate:
        return watched == qApp;
    case QEvent::WindowBlocked:
        return watched == grabberWindow;
    case QEvent::WindowDeactivate:
        return watched == grabberWindow && !staysWithTheForm(grabberWindow);
    default:
        return false;
    }
}
