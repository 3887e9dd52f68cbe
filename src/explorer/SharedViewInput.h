#pragma once

#include "ShellViewTypes.h"

#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <Qt>

class QAbstractScrollArea;
class QEvent;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

// The input both views share: a controller takes the mouse, key and focus events of a view
// and turns them into what they mean for its items; the view only paints, forwards its
// events and does what the controller asks through TViewInputTarget.

// What a mouse press at a point of the view lands on.
enum class TPressPlace {
    // An item or the space around it: the item view selects, drags, renames and opens.
    Item,
    // A place that takes no click at all (the tree's indentation without buttons).
    Inert,
    // A place that counts as empty space although an item is drawn there (a report cell
    // other than the name without RowSelect): the press clears the selection unless it
    // extends it, and the moves and release that follow neither select nor drag.
    EmptySpace,
};

// What a view does for its controller, in its items' terms.
class TViewInputTarget {
public:
    virtual ~TViewInputTarget() = default;
    virtual TPressPlace PressPlaceAt(QPoint viewportPoint, Qt::MouseButton button) const = 0;
    virtual void ClearItemSelection() = 0;
    // The shell menu of the item under the point; whether one was shown.
    virtual bool ShowItemMenuAt(QPoint viewportPoint, QPoint screenPoint) = 0;
    // Backspace and F5: the parent folder, the shown folder read again.
    virtual void OpenParentFolder() = 0;
    virtual void RefreshFolder() = 0;
    // Scrolls one line towards the edge the point is near.
    virtual void AutoscrollAt(QPoint viewportPoint) = 0;
    // The item under the point becomes the hot one; row -1 when the mouse left the view.
    virtual void HotTrackAt(QPoint) {}
    virtual void EndHotTracking() {}
    // The keyboard focus went elsewhere for good.
    virtual void FocusLeft() {}
};

// The settings of a view that decide what its input does.
struct TViewInputSettings {
    TPopupMenuMethod PopupMenuMethod = TPopupMenuMethod::pmmNone;
    QPointer<QMenu> PopupMenu;
    bool Autoscroll = false;
    // A right press selects the item under it; else only the shell menu selects, on release.
    bool RightClickSelect = false;
    bool HotTrack = false;
};

class TViewInputController {
public:
    // A view's input starts with its popup-menu method and whether a right press selects.
    TViewInputController(TViewInputTarget& target, TPopupMenuMethod popupMenuMethod,
                         bool rightClickSelect)
        : m_target(target) {
        Settings.PopupMenuMethod = popupMenuMethod;
        Settings.RightClickSelect = rightClickSelect;
    }

    TViewInputSettings Settings;

    // Each answers whether the event was taken: a taken event does not reach the item view.
    bool MousePress(const QMouseEvent& event);
    bool MouseDoubleClick(const QMouseEvent& event);
    bool MouseRelease(const QMouseEvent& event);
    bool MouseMove(const QMouseEvent& event);
    void MouseLeave();
    bool KeyPress(const QKeyEvent& event);
    void FocusOut(const QFocusEvent& event);

    // The events of a view's viewport (mouse) and of the view itself (keys and focus), for
    // a view that hands them on through an event filter.
    bool ViewportEvent(QEvent& event);
    bool ViewEvent(QEvent& event);

private:
    bool pressOrDoubleClick(const QMouseEvent& event);

    TViewInputTarget& m_target;
    // The last left press was one on empty space (TPressPlace::EmptySpace).
    bool m_pressOnEmptySpace = false;
};

// Autoscroll: scrolls the area one line (or column) towards the control's edge that the
// mouse is within one line of. The control gives the edges and the line height; the area,
// the control itself or one of its views, is what scrolls.
void AutoscrollTowardsEdge(QAbstractScrollArea& area, const QWidget& control, QPoint viewportPoint);
