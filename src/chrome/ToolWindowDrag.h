#pragma once

#include "DragOutline.h"

#include <QEventLoop>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class TCustomToolWindow;
class TDock;

// Moves a tool window by dragging: finds the dock under the cursor, shows the outline and
// docks or floats the window on accept. Fed with screen points, so it can be driven directly
// or by its modal loop, which takes them from the mouse.
class ToolWindowDrag : public QObject {
    Q_OBJECT

public:
    // `grab` is the press position in window coordinates.
    ToolWindowDrag(TCustomToolWindow* window, QPoint grab);
    ~ToolWindowDrag() override;

    void update(QPoint cursor, bool ctrlHeld);
    // Applies the last outline (accept) or drops it.
    void finish(bool accept);
    // Captures the mouse and runs until the drag is accepted or cancelled.
    void runModal();

    TDock* dockingTo() const { return m_dockingTo; }
    QRect outlineRect() const { return m_outline; }
    int outlineThickness() const { return m_outlineThickness; }
    bool outlineShown() const { return m_screenOutline.isShown(); }
    bool showsNotAllowed() const { return m_notAllowed; }
    const std::vector<TDock*>& candidates() const { return m_candidates; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void collectCandidates();
    void collectDocks(QWidget* parent);
    QSize sizeFor(TDock* dock) const;
    void setNotAllowed(bool notAllowed);
    void dropOnDock();
    void dropFloating();
    void end(bool accept);

    QPointer<TCustomToolWindow> m_window;
    QPoint m_grab;
    QSize m_windowSize;
    QSize m_floatingSize;
    std::vector<TDock*> m_candidates;
    std::vector<QSize> m_dockSizes;
    TDock* m_dockingTo = nullptr;
    QRect m_outline;
    int m_outlineThickness = 0;
    DragOutline m_screenOutline;
    QPoint m_lastCursor;
    bool m_ctrlHeld = false;
    bool m_notAllowed = false;
    bool m_finished = false;
    QEventLoop m_loop;
};
