#pragma once

#include "DragController.h"
#include "DragOutline.h"

#include <QEventLoop>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <memory>
#include <vector>

class TCustomToolWindow;
class TDock;

// Moves a tool window by dragging: the drag controller finds the dock under the cursor; this
// shows its outline and docks or floats the window on accept. Fed with screen points, so it can
// be driven directly or by its modal loop, which takes them from the mouse.
class TToolWindowDrag : public QObject, private TDragGuest {
    Q_OBJECT

public:
    // `grab` is the press position in window coordinates.
    TToolWindowDrag(TCustomToolWindow* window, QPoint grab);
    ~TToolWindowDrag() override;

    void update(QPoint cursor, bool ctrlHeld);
    // Applies the last outline (accept) or drops it.
    void finish(bool accept);
    // Captures the mouse and runs until the drag is accepted or cancelled.
    void runModal();

    TDock* dockingTo() const;
    QRect outlineRect() const { return m_controller->outline(); }
    int outlineThickness() const { return m_controller->outlineThickness(); }
    bool outlineShown() const { return m_screenOutline.isShown(); }
    bool showsNotAllowed() const { return m_notAllowed; }
    const std::vector<TDock*>& candidates() const { return m_candidates; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class DockTarget;

    void collectCandidates();
    void collectDocks(QWidget* parent);
    void setNotAllowed(bool notAllowed);
    void dockInto(const TDockDrop& drop) override;
    void floatAt(QPoint topLeft) override;
    void end(bool accept);

    QPointer<TCustomToolWindow> m_window;
    QPoint m_grab;
    std::vector<TDock*> m_candidates;
    std::vector<std::unique_ptr<DockTarget>> m_targets;
    std::unique_ptr<TDragController> m_controller;
    TDragOutline m_screenOutline;
    QPoint m_lastCursor;
    bool m_notAllowed = false;
    bool m_finished = false;
    QEventLoop m_loop;
};
