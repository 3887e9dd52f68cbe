#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QEvent;

// How a drag stands over a control when the control's OnDragOver is asked.
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Turns the toolkit's drag events reaching one control into the control's OnDragOver and
// OnDragDrop. The source is the object that started the drag (none for a drag from another
// program). A leave carries no point, so the last one seen is reported. A control that refuses
// a drag leaves it to the control behind it, as the toolkit does.
class TDropTarget {
public:
    // Returns whether the control accepts the drag at `pos` (control coordinates).
    using DragOver = std::function<bool(QObject* source, QPoint pos, TDragState state)>;
    using DragDrop = std::function<void(QObject* source, QPoint pos)>;

    TDropTarget(DragOver over, DragDrop drop) : m_over(std::move(over)), m_drop(std::move(drop)) {}

    // Returns true when `event` was a drag event; it has then been answered.
    bool handle(QEvent* event);

private:
    DragOver m_over;
    DragDrop m_drop;
    QPoint m_lastPos;
    QPointer<QObject> m_lastSource;
};

// Watches one drag from its source's side and remembers where it was dropped inside this
// program: the control that took the drop and the screen point. Drops into other programs
// leave it empty.
class TDropPointWatcher : public QObject {
    Q_OBJECT

public:
    TDropPointWatcher();
    ~TDropPointWatcher() override;

    QObject* lastReceiver() const { return m_receiver; }
    QPoint dropPoint() const { return m_point; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QObject> m_receiver;
    QPoint m_point;
};
