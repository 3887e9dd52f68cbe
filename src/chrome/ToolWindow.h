#pragma once

#include "DockGuest.h"
#include "DockPosition.h"
#include "DockedEdge.h"
#include "DragEvents.h"
#include "FloatingSizeSteps.h"
#include "ToolWindowMetrics.h"

#include <QColor>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class TDock;
class TFloatingWindowParent;

enum class TDockMode { dmCanFloat, dmCannotFloat, dmCannotFloatOrChangeDocks };
enum class TFloatingMode { fmOnTopOfParentForm, fmOnTopOfAllForms };

// A set of dock edges (`DockableTo`).
class TDockPositions {
public:
    static TDockPositions all() { return TDockPositions(0xF); }
    static TDockPositions none() { return TDockPositions(0); }
    TDockPositions& with(TDockPosition position) {
        m_bits |= bit(position);
        return *this;
    }
    bool contains(TDockPosition position) const { return (m_bits & bit(position)) != 0; }
    bool operator==(const TDockPositions&) const = default;

private:
    explicit TDockPositions(unsigned bits) : m_bits(bits) {}
    static unsigned bit(TDockPosition position) { return 1u << static_cast<unsigned>(position); }
    unsigned m_bits;
};

// A window that lives docked in a TDock or floating in its own small caption window, moved
// between the two by dragging. Children are laid out by the subclasses (toolbars).
class TCustomToolWindow : public QWidget, public TDockGuest, public TDockedEdgeSource {
    Q_OBJECT

public:
    // `parent` must be a TDock (the window docks there) or a form (the window floats on it).
    explicit TCustomToolWindow(QWidget* parent);
    ~TCustomToolWindow() override;

    bool ActivateParent() const { return m_activateParent; }
    void setActivateParent(bool activate) { m_activateParent = activate; }
    TToolWindowBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TToolWindowBorderStyle style);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor Color() const;
    void setColor(const QColor& color);
    bool CloseButton() const { return m_closeButton; }
    void setCloseButton(bool on);
    bool CloseButtonWhenDocked() const { return m_closeButtonWhenDocked; }
    void setCloseButtonWhenDocked(bool on);
    TDock* DefaultDock() const;
    void setDefaultDock(TDock* dock);
    TDockPositions DockableTo() const { return m_dockableTo; }
    void setDockableTo(TDockPositions positions) { m_dockableTo = positions; }
    TDock* DockedTo() const;
    void setDockedTo(TDock* dock);
    TDockMode DockMode() const { return m_dockMode; }
    void setDockMode(TDockMode mode) { m_dockMode = mode; }
    int DockPos() const { return m_dockPos; }
    void setDockPos(int pos);
    int DockRow() const { return m_dockRow; }
    void setDockRow(int row);
    TDragHandleStyle DragHandleStyle() const { return m_dragHandleStyle; }
    void setDragHandleStyle(TDragHandleStyle style);
    TFloatingMode FloatingMode() const { return m_floatingMode; }
    void setFloatingMode(TFloatingMode mode);
    bool FullSize() const { return m_fullSize; }
    void setFullSize(bool fullSize);
    bool HideWhenInactive() const { return m_hideWhenInactive; }
    void setHideWhenInactive(bool hide);
    TDock* LastDock() const;
    void setLastDock(TDock* dock);
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool show);
    bool UseLastDock() const { return m_useLastDock; }
    void setUseLastDock(bool use);
    QMenu* PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }

    // The `Visible` property: the window's own wish, whether or not its host shows it now.
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) override;

    bool Docked() const { return DockedTo() != nullptr; }
    // The buttons on the window open their menus away from this edge.
    std::optional<TDockPosition> DockedEdge() const override;
    QPoint FloatingPosition() const { return m_floatingPosition; }
    void setFloatingPosition(QPoint position);
    QWidget* ParentForm() const { return m_parentForm; }
    TFloatingWindowParent* FloatingHost() const { return m_host; }
    bool CaptionInactive() const;

    std::function<void(TCustomToolWindow* sender)> OnClose;
    std::function<void(TCustomToolWindow* sender, bool& canClose)> OnCloseQuery;
    // A drag from `source` (none from another program) over the window at (x, y); `accept`
    // starts true since a handler listens.
    std::function<void(TCustomToolWindow* sender, QObject* source, int x, int y, TDragState state,
                       bool& accept)>
        OnDragOver;
    std::function<void(TCustomToolWindow* sender, QObject* source, int x, int y)> OnDragDrop;
    std::function<void(TCustomToolWindow* sender, QMouseEvent* event)> OnMouseDown;
    std::function<void(TCustomToolWindow* sender, QMouseEvent* event)> OnMouseMove;
    std::function<void(TCustomToolWindow* sender, QMouseEvent* event)> OnMouseUp;
    std::function<void(TCustomToolWindow* sender)> OnMove;
    std::function<void(TCustomToolWindow* sender)> OnRecreated;
    std::function<void(TCustomToolWindow* sender)> OnRecreating;
    std::function<void(TCustomToolWindow* sender)> OnDockChanged;
    std::function<void(TCustomToolWindow* sender)> OnDockChanging;
    std::function<void(TCustomToolWindow* sender, TDock* dockingTo)> OnDockChangingEx;
    std::function<void(TCustomToolWindow* sender, TDock* dockingTo)> OnDockChangingHidden;
    std::function<void(TCustomToolWindow* sender)> OnResize;
    std::function<void(TCustomToolWindow* sender)> OnVisibleChanged;

    // What a dock asks of its bars.
    virtual int GetBarThickness(bool vertical) const;
    // The client size the controls take in `dock` (none = floating); nothing moves.
    virtual QSize MeasureControls(const TDock* dock) const;
    // Lays the controls out for `dock` (none = floating) and returns the client size.
    virtual QSize ArrangeControls(const TDock* dock);

    // Runs the arrangement for the current place and takes the resulting size.
    void ArrangeSelf();
    // Blocks the arrangement while controls are added; the last EndUpdate runs what was asked.
    void BeginUpdate() { ++m_arrangeBlock; }
    void EndUpdate();

    TDockedFrameStyle DockedStyle(const TDock* dock) const;
    TFloatingFrameMetrics FloatingMetrics() const;
    QMargins FrameMarginsFor(const TDock* dock) const;
    // The outer size the window would take in `dock` (none = floating).
    QSize SizeFor(const TDock* dock) const;

    // Docks into `dock` at `row` and `pos`, or floats at `FloatingPosition` when `dock` is none.
    void MoveTo(TDock* dock, int row, int pos);
    // The double-click toggle between docked and floating.
    void ToggleDocked();
    // Shows or hides the floating host by the floating visibility rule.
    void UpdateFloatingVisibility();
    bool FloatingWindowShouldShow() const;
    // The close button's action: asks OnCloseQuery, then hides and fires OnClose.
    void CloseByButton();

    // Used by the dock while it places its bars.
    void setBoundsFromDock(const QRect& bounds);

    // Loading from a stored layout: a floating position stored at design time is relative to
    // the form's client area; one stored at run time is already on screen.
    void BeginLoading() { m_loading = true; }
    virtual void Loaded();
    bool SavedAtRunTime() const { return m_savedAtRunTime; }
    void setSavedAtRunTime(bool savedAtRunTime) { m_savedAtRunTime = savedAtRunTime; }

    bool CloseButtonPressed() const { return m_closePressed; }
    QRect CloseButtonRect() const;
    // Where the grip bars of a docked window are drawn; a null rect when it shows none.
    QRect GripRect() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // Floating resizing: the outer sizes the frame snaps to, or none for free sizing.
    virtual std::vector<TFloatingSize> FloatingSizes() { return {}; }
    virtual void ApplyFloatingWrap(int /*wrapWidth*/) {}
    // Whether a press on `control` counts as a press on the window itself (it starts a drag).
    virtual bool PassesPressesOn(const QWidget* /*control*/) const { return false; }

private:
    void PlacedByDock(int row, int pos) override;
    void DockFrameChanged() override;
    void changePlace(TDock* target);
    void enterDock(TDock* dock);
    void leaveDock(TDock* dock);
    void updateFrame();
    void applyShownState();
    bool pressBelongsToControl(QPoint pos) const;
    void trackCloseButton();
    void resizeFloating(TFloatingZone zone, QPoint pressGlobal);
    void watchParentForm(QWidget* form);
    void hostMoved(QPoint position);
    void handOverActivation();
    // Whether one of the window's controls takes the keyboard focus (its floating host then
    // may be activated).
    bool hasFocusableControl() const;
    bool dragOver(QObject* source, QPoint pos, TDragState state);
    void dragDrop(QObject* source, QPoint pos);

    bool m_activateParent = true;
    TToolWindowBorderStyle m_borderStyle = TToolWindowBorderStyle::bsSingle;
    QString m_caption;
    QColor m_color;
    bool m_closeButton = true;
    bool m_closeButtonWhenDocked = false;
    QPointer<TDock> m_defaultDock;
    TDockPositions m_dockableTo = TDockPositions::all();
    QPointer<TDock> m_dockedTo;
    TDockMode m_dockMode = TDockMode::dmCanFloat;
    int m_dockPos = -1;
    int m_dockRow = 0;
    TDragHandleStyle m_dragHandleStyle = TDragHandleStyle::dhDouble;
    TFloatingMode m_floatingMode = TFloatingMode::fmOnTopOfParentForm;
    bool m_fullSize = false;
    bool m_hideWhenInactive = true;
    QPointer<TDock> m_lastDock;
    bool m_showCaption = true;
    bool m_useLastDock = true;
    QPointer<QMenu> m_popupMenu;

    bool m_visible = true;
    QPoint m_floatingPosition;
    QPointer<QWidget> m_parentForm;
    TFloatingWindowParent* m_host = nullptr; // owned through the form (its Qt parent)
    int m_arrangeBlock = 0;
    bool m_arrangePending = false;
    bool m_loading = false;
    bool m_savedAtRunTime = false;
    bool m_destroying = false;
    bool m_changingPlace = false;
    bool m_closePressed = false;
    TDropTarget m_dropTarget;
};
