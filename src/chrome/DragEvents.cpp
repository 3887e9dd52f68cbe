#include "DragEvents.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QWidget>

bool TDropTarget::handle(QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(event);
        m_lastPos = move->position().toPoint();
        m_lastSource = move->source();
        const TDragState state =
            event->type() == QEvent::DragEnter ? TDragState::dsDragEnter : TDragState::dsDragMove;
        if (m_over(move->source(), m_lastPos, state))
            move->acceptProposedAction();
        else
            move->ignore();
        return true;
    }
    case QEvent::DragLeave:
        m_over(m_lastSource, m_lastPos, TDragState::dsDragLeave);
        m_lastSource = nullptr;
        return true;
    case QEvent::Drop: {
        auto* dropEvent = static_cast<QDropEvent*>(event);
        m_lastSource = nullptr;
        dropEvent->acceptProposedAction();
        m_drop(dropEvent->source(), dropEvent->position().toPoint());
        return true;
    }
    default:
        return false;
    }
}

TDropPointWatcher::TDropPointWatcher() {
    QCoreApplication::instance()->installEventFilter(this);
}

TDropPointWatcher::~TDropPointWatcher() {
    QCoreApplication::instance()->removeEventFilter(this);
}

// A drop travels from the control under the cursor up to its parents until one takes it, so
// the last control it reached is the one that took it (when the drag was accepted at all).
bool TDropPointWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Drop && watched->isWidgetType()) {
        const auto* drop = static_cast<QDropEvent*>(event);
        m_receiver = watched;
        m_point = static_cast<QWidget*>(watched)->mapToGlobal(drop->position().toPoint());
    }
    return false;
}
