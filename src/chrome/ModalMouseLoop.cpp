#include "ModalMouseLoop.h"

#include "CaptureLoss.h"
#include "MouseCapture.h"

#include <QApplication>

TModalMouseLoop::TModalMouseLoop(QWidget* grabber, Handler handler)
    : m_grabber(grabber), m_handler(std::move(handler)) {}

void TModalMouseLoop::run() {
    const TMouseCapture capture(m_grabber, this);
    if (!m_done)
        m_loop.exec();
}

bool TModalMouseLoop::eventFilter(QObject* watched, QEvent* event) {
    if (!m_done && TakesCaptureAway(watched, event, m_grabber)) {
        m_done = true;
        m_loop.quit();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (!watched->isWidgetType())
            return false;
        [[fallthrough]];
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (!m_done && m_handler(event)) {
            m_done = true;
            m_loop.quit();
        }
        return true;
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
        return true;
    default:
        return false;
    }
}
