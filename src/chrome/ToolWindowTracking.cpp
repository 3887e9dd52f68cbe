// The tool window's modal tracking of its close button and of a floating frame being resized.
#include "DragGeometry.h"
#include "DragOutline.h"
#include "FloatingSizeSteps.h"
#include "FloatingWindowParent.h"
#include "ModalMouseLoop.h"
#include "ToolWindow.h"
#include "WorkArea.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <optional>

namespace {

bool cancels(QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    return false;
}

bool isLeftRelease(QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

TResizeSide sideOf(TFloatingZone zone) {
    switch (zone) {
    case TFloatingZone::Left:
        return TResizeSide::Left;
    case TFloatingZone::Top:
        return TResizeSide::Top;
    case TFloatingZone::Bottom:
        return TResizeSide::Bottom;
    default:
        return TResizeSide::Right;
    }
}

// The frame rectangle of `size` anchored at the edges opposite the dragged one.
QRect anchored(const QRect& start, QSize size, TResizeSide side) {
    switch (side) {
    case TResizeSide::Left:
        return QRect(start.right() - size.width() + 1, start.top(), size.width(), size.height());
    case TResizeSide::Top:
        return QRect(start.left(), start.bottom() - size.height() + 1, size.width(), size.height());
    default:
        return QRect(start.topLeft(), size);
    }
}

} // namespace

void TCustomToolWindow::trackCloseButton() {
    m_closePressed = true;
    update();
    bool closeIt = false;
    TModalMouseLoop loop(this, [this, &closeIt](QEvent* event) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint pos =
                mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            const bool over = CloseButtonRect().contains(pos);
            if (over != m_closePressed) {
                m_closePressed = over;
                update();
            }
            return false;
        }
        if (isLeftRelease(event)) {
            // The cursor was last seen over the glyph exactly when the glyph looks pressed.
            closeIt = m_closePressed;
            return true;
        }
        // Keys and other buttons are ignored; a left press or double click elsewhere ends it.
        return event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease &&
               cancels(event);
    });
    loop.run();
    m_closePressed = false;
    update();
    if (closeIt)
        CloseByButton();
}

void TCustomToolWindow::resizeFloating(TFloatingZone zone, QPoint pressGlobal) {
    if (!m_host)
        return;
    const TResizeSide side = sideOf(zone);
    const QRect start(m_floatingPosition, size());
    const TFloatingFrameMetrics metrics = FloatingMetrics();
    const std::vector<TFloatingSize> steps = FloatingSizes();
    std::optional<TFloatingResizeChooser> chooser;
    if (!steps.empty())
        chooser.emplace(steps, metrics.chrome(), side, size());
    const bool horizontal = side == TResizeSide::Left || side == TResizeSide::Right;
    const int startLength = horizontal ? start.width() : start.height();

    TDragOutline outline;
    QRect current = start;
    outline.show(current, metrics.frame);
    bool accepted = false;
    TModalMouseLoop loop(this, [&](QEvent* event) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint cursor = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            const QPoint moved = cursor - pressGlobal;
            int distance = startLength;
            switch (side) {
            case TResizeSide::Right:
                distance += moved.x();
                break;
            case TResizeSide::Left:
                distance -= moved.x();
                break;
            case TResizeSide::Bottom:
                distance += moved.y();
                break;
            case TResizeSide::Top:
                distance -= moved.y();
                break;
            }
            QSize target = current.size();
            if (chooser) {
                target = chooser->update(distance);
            } else if (horizontal) {
                target.setWidth(std::clamp(distance, metrics.chrome().width(), 32767));
            } else {
                target.setHeight(std::clamp(distance, metrics.chrome().height(), 32767));
            }
            current = anchored(start, target, side);
            outline.show(current, metrics.frame);
            return false;
        }
        if (isLeftRelease(event)) {
            accepted = true;
            return true;
        }
        return cancels(event);
    });
    loop.run();
    outline.hide();
    if (!accepted)
        return;
    if (chooser)
        ApplyFloatingWrap(chooser->wrapWidth());
    else
        resize(current.size());
    setFloatingPosition(current.topLeft());
    ArrangeSelf();
    const QRect bounds(m_floatingPosition, size());
    setFloatingPosition(MoveOnScreenWhenOff(bounds, WorkAreaAt(bounds.center())).topLeft());
}
