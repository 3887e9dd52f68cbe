#pragma once

#include "DockLayout.h"
#include "DockPosition.h"

#include <QColor>
#include <QFlags>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class TCustomToolWindow;

enum class TDockBoundLine { blTop = 1, blBottom = 2, blLeft = 4, blRight = 8 };
Q_DECLARE_FLAGS(TDockBoundLines, TDockBoundLine)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDockBoundLines)

// A strip along one edge of a form that holds tool windows in rows. It sizes itself across its
// edge to be exactly as thick as its rows; the form's layout keeps it on its edge.
class TDock : public QWidget {
    Q_OBJECT

public:
    explicit TDock(QWidget* parent, TDockPosition position = TDockPosition::dpTop);
    ~TDock() override;

    bool AllowDrag() const { return m_allowDrag; }
    void setAllowDrag(bool allow);
    QPixmap Background() const { return m_background; }
    void setBackground(const QPixmap& background);
    bool BackgroundOnToolbars() const { return m_backgroundOnToolbars; }
    void setBackgroundOnToolbars(bool on);
    bool BackgroundTransparent() const { return m_backgroundTransparent; }
    void setBackgroundTransparent(bool transparent);
    TDockBoundLines BoundLines() const { return m_boundLines; }
    void setBoundLines(TDockBoundLines lines);
    QColor Color() const;
    void setColor(const QColor& color);
    bool FixAlign() const { return m_fixAlign; }
    void setFixAlign(bool fixAlign);
    bool LimitToOneRow() const { return m_limitToOneRow; }
    void setLimitToOneRow(bool limit);
    QMenu* PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }
    TDockPosition Position() const { return m_position; }
    void setPosition(TDockPosition position);
    // The dock's extent across its edge, bound lines included, as its last arrangement made it.
    int Thickness() const { return m_thickness; }

    std::function<void(TDock* sender, bool inserting, TCustomToolWindow* bar)> OnInsertRemoveBar;
    std::function<void(TDock* sender, TCustomToolWindow* bar, bool& accept)> OnRequestDock;
    std::function<void(TDock* sender)> OnResize;

    void ArrangeBars(bool clipPositions = false);
    void BeginArrange() { m_deferral.begin(); }
    void EndArrange();
    // The rows' content thicknesses in the current arrangement, indexed by DockRow.
    std::vector<int> RowThicknesses() const;
    // The content thickness of the row a docked bar sits in (its own thickness for an empty row).
    int RowThicknessFor(const TCustomToolWindow* bar) const;

    void BeginLoading() { m_loading = true; }
    void Loaded();

    const std::vector<TCustomToolWindow*>& Bars() const { return m_bars; }
    const std::vector<TCustomToolWindow*>& ShownBars() const { return m_shownBars; }
    QRect DockClientRect() const; // the client area inside the bound lines, in dock coordinates

    // Tiles the background over `area` (in the painter's coordinates); `originInDock` is where
    // the painter's origin lies in dock client coordinates. Returns false when there is no
    // background.
    bool PaintBackground(class QPainter& painter, const QRect& area, QPoint originInDock);
    bool PaintsBackgroundOnBars() const { return !m_background.isNull() && m_backgroundOnToolbars; }

    // Moves every bar but `except` whose row is at least `row` one row down.
    void InsertRowAt(int row, const TCustomToolWindow* except);
    bool RowHasOtherShownBars(int row, const TCustomToolWindow* except) const;

    // Bar list maintenance, used by the tool windows.
    void InsertBar(TCustomToolWindow* bar);
    void RemoveBar(TCustomToolWindow* bar);
    void UpdateShownBars();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    TDockArrangeInput arrangeInput(bool clipPositions) const;
    void applyArrangement(const TDockArrangement& arrangement);
    void setThickness(int clientThickness, bool holdsBars);
    QMargins boundLineMargins() const;
    void backgroundChanged();
    void repaintWithBars();
    const QPixmap& tile();

    TDockPosition m_position = TDockPosition::dpTop;
    bool m_allowDrag = true;
    QPixmap m_background;
    QPixmap m_transparentTile;
    bool m_backgroundOnToolbars = true;
    bool m_backgroundTransparent = false;
    TDockBoundLines m_boundLines;
    QColor m_color;
    bool m_fixAlign = false;
    bool m_limitToOneRow = false;
    QPointer<QMenu> m_popupMenu;
    bool m_loading = false;
    bool m_destroying = false;
    int m_thickness = 0;
    TArrangeDeferral m_deferral;
    std::vector<TCustomToolWindow*> m_bars;
    std::vector<TCustomToolWindow*> m_shownBars;
};
