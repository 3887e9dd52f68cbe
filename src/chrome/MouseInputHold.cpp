#include "MouseInputHold.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {

// Counted for the whole process, not per chrome context: every hold filters the one
// application's input, so a nested hold is nested whichever window made it.
int& holdDepth() {
    static int depth = 0;
    return depth;
}

bool isButtonInput(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
           || type == QEvent::MouseButtonDblClick;
}

bool insideAnyPopup(const QPoint& globalPos) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowType() == Qt::Popup
            && widget->frameGeometry().contains(globalPos))
            return true;
    }
    return false;
}

} // namespace

TMouseInputHold::TMouseInputHold() : m_outermost(holdDepth() == 0) {
    ++holdDepth();
    if (m_outermost)
        qApp->installEventFilter(this);
}

TMouseInputHold::~TMouseInputHold() {
    release();
    --holdDepth();
}

void TMouseInputHold::release(const DropRule& drop) {
    if (m_released || !m_outermost)
        return;
    m_released = true;
    qApp->removeEventFilter(this);
    for (const HeldInput& input : m_held) {
        QWidget* target = QApplication::widgetAt(input.globalPos);
        if (!target || (drop && drop(input, target)))
            continue;
        const QPointF local = target->mapFromGlobal(QPointF(input.globalPos));
        QCoreApplication::postEvent(target, new QMouseEvent(input.type, local, QPointF(input.globalPos),
                                                            input.button, input.buttons, input.modifiers));
    }
    m_held.clear();
}

bool TMouseInputHold::eventFilter(QObject* watched, QEvent* event) {
    if (!isButtonInput(event->type()) || !event->spontaneous())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint globalPos = mouse->globalPosition().toPoint();
    const HeldInput input{event->type(), globalPos, mouse->button(), mouse->buttons(), mouse->modifiers()};
    if (widget->window()->windowType() == Qt::Popup) {
        // The menu sees the press that closes it; keep a copy for the widget underneath.
        if (event->type() == QEvent::MouseButtonPress && !insideAnyPopup(globalPos))
            m_held.push_back(input);
        return false;
    }
    m_held.push_back(input);
    return true;
}
