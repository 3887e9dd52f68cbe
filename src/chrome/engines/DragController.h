#pragma once

#include "DockLayout.h"
#include "DockPosition.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// Dragging a tool window, as a controller that knows no widgets: it is fed screen points and
// talks to the docks it may land on and to the dragged window through two small interfaces.

// A dock the window may be dropped on, as the drag sees it.
class TDragDock {
public:
    virtual TDockPosition position() const = 0;
    // The dock's rectangle on screen, and the screen point of its client area's top-left.
    virtual QRect screenRect() const = 0;
    virtual QPoint clientOrigin() const = 0;
    // Whether the dock takes the dragged window here (asked on every hit).
    virtual bool acceptsWindow() = 0;
    // The rows' content thicknesses, indexed by row, and whether a row holds shown bars other
    // than the dragged window.
    virtual std::vector<int> rowThicknesses() const = 0;
    virtual bool rowHasOtherBars(int row) const = 0;

protected:
    ~TDragDock() = default;
};

// Where an accepted drag docks the window: into `row` at `pos` along the dock; with `newRow`
// the bars at or below `row` move one row down first.
struct TDockDrop {
    TDragDock* dock = nullptr;
    int row = 0;
    bool newRow = false;
    int pos = 0;
};

// The dragged window: what an accepted drag does to it.
class TDragGuest {
public:
    virtual void dockInto(const TDockDrop& drop) = 0;
    // Floats the window (or moves it, when it floats already) with its outer top-left here.
    virtual void floatAt(QPoint topLeft) = 0;

protected:
    ~TDragGuest() = default;
};

// The dragged window as it stands when the drag starts.
struct TDragStart {
    QPoint grab;       // the press position in window coordinates
    QSize windowSize;  // its outer size now
    QSize floatingSize; // its outer size when floating
    int floatingFrame = 4;       // floating frame thickness
    int floatingCaptionArea = 0; // caption bar and its line, when floating
    bool canFloat = true;
    bool fullSize = false;
};

// A dock the window may land on, with the outer size the window takes there.
struct TDragCandidate {
    TDragDock* dock = nullptr;
    QSize size;
};

class TDragController {
public:
    TDragController(TDragGuest& guest, const TDragStart& start, std::vector<TDragCandidate> candidates);

    // Follows the cursor; `workArea` is the work area of the cursor's monitor. With Ctrl held
    // no dock is taken.
    void update(QPoint cursor, bool ctrlHeld, QRect workArea);
    // Docks or floats the window by the last update; nothing when there is no outline.
    void accept();

    // The candidate the window would dock into, -1 for none.
    int target() const { return m_target; }
    // The outline on screen, null when the window can go nowhere (it cannot float).
    QRect outline() const { return m_outline; }
    int outlineThickness() const { return m_outlineThickness; }

private:
    TDockDrop dropOn(TDragDock& dock) const;

    TDragGuest& m_guest;
    TDragStart m_start;
    std::vector<TDragCandidate> m_candidates;
    int m_target = -1;
    QRect m_outline;
    int m_outlineThickness = 0;
};
