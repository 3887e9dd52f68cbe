#include "HotTracking.h"

#include "ToolbarButtons.h"

#include <QApplication>
#include <QMouseEvent>

#include <memory>

namespace {

struct TrackerState {
    int buttons = 0;
    std::unique_ptr<THotTracker> tracker;
};

TrackerState& state() {
    static TrackerState tracking;
    return tracking;
}

} // namespace

THotTracker::THotTracker() {
    m_timer.setInterval(TimerInterval);
    connect(&m_timer, &QTimer::timeout, this, &THotTracker::timerTick);
    qApp->installEventFilter(this);
}

void THotTracker::buttonCreated() {
    TrackerState& tracking = state();
    if (tracking.buttons++ == 0)
        tracking.tracker.reset(new THotTracker);
}

void THotTracker::buttonDestroyed(TToolbarButton* button) {
    TrackerState& tracking = state();
    if (tracking.tracker)
        tracking.tracker->release(button);
    if (--tracking.buttons == 0)
        tracking.tracker.reset();
}

THotTracker* THotTracker::instance() {
    return state().tracker.get();
}

void THotTracker::makeHot(TToolbarButton* button) {
    m_hot = button;
    m_timer.start();
}

void THotTracker::release(TToolbarButton* button) {
    if (m_hot != button)
        return;
    m_timer.stop();
    m_hot = nullptr;
}

void THotTracker::timerTick() {
    if (!m_hot) {
        m_timer.stop();
        return;
    }
    if (!m_cursor || QApplication::widgetAt(*m_cursor) != m_hot)
        m_hot->MouseLeave();
}

void THotTracker::leaveIfOff(const QPoint& globalPos) {
    if (m_hot && !m_hot->rect().contains(m_hot->mapFromGlobal(globalPos)))
        m_hot->MouseLeave();
}

bool THotTracker::eventFilter(QObject* watched, QEvent* event) {
    // A faulty listener must not stop the others: nothing thrown here leaves the filter.
    try {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (event->spontaneous())
                m_cursor = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            break;
        case QEvent::Leave:
            if (watched->isWindowType())
                m_cursor.reset();
            break;
        default:
            break;
        }
        if (event->type() == QEvent::MouseMove && m_hot)
            leaveIfOff(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        else if (event->type() == QEvent::ApplicationDeactivate && watched == qApp && m_hot
                 && !m_hot->ShowBorderWhenInactive())
            m_hot->MouseLeave();
    } catch (...) {
    }
    return false;
}
