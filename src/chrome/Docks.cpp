#include "Docks.h"

#include "InvalidOperation.h"
#include "SystemColors.h"
#include "ToolWindow.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cstdlib>

namespace {

void checkDockParent(QWidget* parent) {
    for (QWidget* ancestor = parent; ancestor; ancestor = ancestor->parentWidget())
        if (qobject_cast<TDock*>(ancestor) || qobject_cast<TCustomToolWindow*>(ancestor))
            throw EInvalidOperation(QStringLiteral(
                "A TDock control cannot be placed inside a tool window or another TDock"));
}

QWidget* validatedParent(QWidget* parent) {
    checkDockParent(parent);
    return parent;
}

TDockGuest& guest(TCustomToolWindow* bar) {
    return *bar;
}

} // namespace

TDock::TDock(QWidget* parent, TDockPosition position)
    : QWidget(validatedParent(parent)), m_position(position) {
    setAutoFillBackground(false);
    // The dock paints all of itself, anchored at its top-left (tiles from the client origin), so
    // a longer dock only paints its new part, and the bars that stayed put are not repainted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setPosition(position);
    ArrangeBars();
}

TDock::~TDock() {
    // Docked bars go first, while the lists they leave still exist; floating bars forget us.
    m_destroying = true;
    const std::vector<TCustomToolWindow*> bars = m_bars;
    for (TCustomToolWindow* bar : bars) {
        if (bar->DockedTo() == this) {
            delete bar;
        } else {
            bar->setLastDock(nullptr);
            RemoveBar(bar);
        }
    }
}

void TDock::setAllowDrag(bool allow) {
    if (m_allowDrag == allow)
        return;
    m_allowDrag = allow;
    for (TCustomToolWindow* bar : m_bars)
        if (bar->DockedTo() == this)
            guest(bar).DockFrameChanged();
}

void TDock::setBackground(const QPixmap& background) {
    m_background = background;
    backgroundChanged();
}

void TDock::setBackgroundOnToolbars(bool on) {
    if (m_backgroundOnToolbars == on)
        return;
    m_backgroundOnToolbars = on;
    repaintWithBars();
}

void TDock::setBackgroundTransparent(bool transparent) {
    if (m_backgroundTransparent == transparent)
        return;
    m_backgroundTransparent = transparent;
    backgroundChanged();
}

void TDock::setBoundLines(TDockBoundLines lines) {
    if (m_boundLines == lines)
        return;
    m_boundLines = lines;
    setContentsMargins(boundLineMargins());
    ArrangeBars();
    update();
}

QColor TDock::Color() const {
    return m_color.isValid() ? m_color : SystemColors::btnFace();
}

void TDock::setColor(const QColor& color) {
    m_color = color;
    backgroundChanged();
}

void TDock::setFixAlign(bool fixAlign) {
    if (m_fixAlign == fixAlign)
        return;
    m_fixAlign = fixAlign;
    ArrangeBars();
}

void TDock::setLimitToOneRow(bool limit) {
    if (m_limitToOneRow == limit)
        return;
    m_limitToOneRow = limit;
    ArrangeBars();
}

void TDock::setPosition(TDockPosition position) {
    const bool hasControls =
        !findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).isEmpty();
    if (position != m_position && hasControls)
        throw EInvalidOperation(
            QStringLiteral("Cannot change Position of a TDock if it already contains controls"));
    m_position = position;
    // The thickness fixed for the old edge runs along the new one.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (IsVerticalDock(position))
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    else
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ArrangeBars();
    // The form's layout puts the dock on its new edge.
    updateGeometry();
}

QMargins TDock::boundLineMargins() const {
    return {m_boundLines.testFlag(TDockBoundLine::blLeft) ? 1 : 0,
            m_boundLines.testFlag(TDockBoundLine::blTop) ? 1 : 0,
            m_boundLines.testFlag(TDockBoundLine::blRight) ? 1 : 0,
            m_boundLines.testFlag(TDockBoundLine::blBottom) ? 1 : 0};
}

QRect TDock::DockClientRect() const {
    return contentsRect();
}

TDockArrangeInput TDock::arrangeInput(bool clipPositions) const {
    TDockArrangeInput input;
    input.position = m_position;
    input.clientLength =
        IsVerticalDock(m_position) ? contentsRect().height() : contentsRect().width();
    input.fixAlign = m_fixAlign;
    input.limitToOneRow = m_limitToOneRow;
    input.clipPositions = clipPositions;
    const bool vertical = IsVerticalDock(m_position);
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const TCustomToolWindow* bar = m_bars[i];
        const bool shown = bar->DockedTo() == this && bar->Visible();
        input.bars.push_back({static_cast<int>(i), bar->DockRow(), bar->DockPos(),
                              vertical ? bar->height() : bar->width(),
                              bar->GetBarThickness(vertical), bar->FullSize(), shown});
    }
    return input;
}

void TDock::ArrangeBars(bool clipPositions) {
    if (m_destroying || !m_deferral.request(clipPositions, m_loading))
        return;
    m_deferral.begin();
    applyArrangement(::ArrangeBars(arrangeInput(clipPositions)));
    m_deferral.clearPending();
    bool clip = false;
    m_deferral.end(clip);
}

void TDock::applyArrangement(const TDockArrangement& arrangement) {
    std::vector<TCustomToolWindow*> bars;
    for (const TDockBarState& state : arrangement.bars) {
        TCustomToolWindow* bar = m_bars[state.key];
        guest(bar).PlacedByDock(state.row, state.pos);
        bars.push_back(bar);
    }
    const std::vector<TCustomToolWindow*> previous = m_bars;
    m_bars = bars;
    std::vector<TCustomToolWindow*> shown;
    for (TCustomToolWindow* bar : m_bars)
        if (std::find(m_shownBars.begin(), m_shownBars.end(), bar) != m_shownBars.end())
            shown.push_back(bar);
    m_shownBars = shown;
    const QPoint origin = contentsRect().topLeft();
    for (const TDockBarPlacement& placement : arrangement.placements)
        previous[placement.key]->setBoundsFromDock(placement.bounds.translated(origin));
    setThickness(arrangement.thickness, !arrangement.placements.empty());
}

// An empty dock takes no space at all, bound lines included. A bottom or right dock keeps its
// outer edge and grows inward.
void TDock::setThickness(int clientThickness, bool holdsBars) {
    const QMargins lines = holdsBars ? boundLineMargins() : QMargins();
    const QRect before = geometry();
    if (IsVerticalDock(m_position)) {
        m_thickness = clientThickness + lines.left() + lines.right();
        setFixedWidth(m_thickness);
    } else {
        m_thickness = clientThickness + lines.top() + lines.bottom();
        setFixedHeight(m_thickness);
    }
    if (m_position == TDockPosition::dpBottom)
        move(x(), before.bottom() + 1 - m_thickness);
    else if (m_position == TDockPosition::dpRight)
        move(before.right() + 1 - m_thickness, y());
}

void TDock::EndArrange() {
    bool clip = false;
    if (m_deferral.end(clip))
        ArrangeBars(clip);
}

void TDock::InsertRowAt(int row, const TCustomToolWindow* except) {
    for (TCustomToolWindow* bar : m_bars)
        if (bar != except && bar->DockRow() >= row)
            guest(bar).PlacedByDock(bar->DockRow() + 1, bar->DockPos());
}

bool TDock::RowHasOtherShownBars(int row, const TCustomToolWindow* except) const {
    return std::any_of(m_shownBars.begin(), m_shownBars.end(), [&](const TCustomToolWindow* bar) {
        return bar != except && bar->DockRow() == row;
    });
}

// Read from the rows as they stand: running a new arrangement here would close one more empty
// row and shift the indexes away from the bars' stored rows.
std::vector<int> TDock::RowThicknesses() const {
    return RowThicknessTable(arrangeInput(false).bars);
}

int TDock::RowThicknessFor(const TCustomToolWindow* bar) const {
    const std::vector<int> rows = RowThicknesses();
    const int row = bar->DockRow();
    const int entry = row >= 0 && row < static_cast<int>(rows.size()) ? rows[row] : 0;
    return entry != 0 ? entry : bar->GetBarThickness(IsVerticalDock(m_position));
}

// Stored positions are kept: a bar pushed back by a narrow window returns to its place later.
void TDock::Loaded() {
    m_loading = false;
    ArrangeBars(false);
}

void TDock::InsertBar(TCustomToolWindow* bar) {
    if (std::find(m_bars.begin(), m_bars.end(), bar) == m_bars.end())
        m_bars.push_back(bar);
    UpdateShownBars();
}

void TDock::RemoveBar(TCustomToolWindow* bar) {
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), bar), m_bars.end());
    UpdateShownBars();
}

void TDock::UpdateShownBars() {
    std::vector<TCustomToolWindow*> shown;
    for (TCustomToolWindow* bar : m_bars)
        if (bar->DockedTo() == this && bar->Visible())
            shown.push_back(bar);
    std::vector<TCustomToolWindow*> entered;
    std::vector<TCustomToolWindow*> left;
    for (TCustomToolWindow* bar : shown)
        if (std::find(m_shownBars.begin(), m_shownBars.end(), bar) == m_shownBars.end())
            entered.push_back(bar);
    for (TCustomToolWindow* bar : m_shownBars)
        if (std::find(shown.begin(), shown.end(), bar) == shown.end())
            left.push_back(bar);
    m_shownBars = shown;
    if (entered.empty() && left.empty())
        return;
    ArrangeBars();
    for (TCustomToolWindow* bar : entered)
        if (OnInsertRemoveBar)
            OnInsertRemoveBar(this, true, bar);
    for (TCustomToolWindow* bar : left)
        if (OnInsertRemoveBar)
            OnInsertRemoveBar(this, false, bar);
}

const QPixmap& TDock::tile() {
    if (!m_backgroundTransparent)
        return m_background;
    if (m_transparentTile.isNull() && !m_background.isNull()) {
        QImage image = m_background.toImage().convertToFormat(QImage::Format_ARGB32);
        const QRgb transparent = image.pixel(0, image.height() - 1);
        const QRgb replacement = Color().rgba();
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == transparent)
                    line[x] = replacement;
        }
        m_transparentTile = QPixmap::fromImage(image);
    }
    return m_transparentTile;
}

bool TDock::PaintBackground(QPainter& painter, const QRect& area, QPoint originInDock) {
    if (m_background.isNull())
        return false;
    // Tiles are aligned to the dock's client origin whatever window paints them.
    painter.drawTiledPixmap(area, tile(), area.topLeft() + originInDock);
    return true;
}

void TDock::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Color());
    const QRect client = contentsRect();
    if (!m_background.isNull()) {
        painter.save();
        painter.translate(client.topLeft());
        PaintBackground(painter, QRect(QPoint(0, 0), client.size()), QPoint(0, 0));
        painter.restore();
    }
    if (m_shownBars.empty())
        return;
    const QMargins lines = boundLineMargins();
    if (lines.top())
        painter.fillRect(0, 0, width(), 1, SystemColors::btnShadow());
    if (lines.left())
        painter.fillRect(0, 0, 1, height(), SystemColors::btnShadow());
    if (lines.bottom())
        painter.fillRect(0, height() - 1, width(), 1, SystemColors::btnHighlight());
    if (lines.right())
        painter.fillRect(width() - 1, 0, 1, height(), SystemColors::btnHighlight());
}

void TDock::resizeEvent(QResizeEvent* event) {
    // The bottom and right bound lines sit on the last row and column, wherever they are now.
    const QSize before = event->oldSize();
    if (m_boundLines.testFlag(TDockBoundLine::blRight) && before.width() != width())
        update(std::min(before.width(), width()) - 1, 0, std::abs(before.width() - width()) + 1,
               height());
    if (m_boundLines.testFlag(TDockBoundLine::blBottom) && before.height() != height())
        update(0, std::min(before.height(), height()) - 1, width(),
               std::abs(before.height() - height()) + 1);
    ArrangeBars();
    if (!m_loading && OnResize)
        OnResize(this);
}

void TDock::moveEvent(QMoveEvent*) {
    if (!m_background.isNull())
        repaintWithBars();
}

void TDock::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        backgroundChanged();
    QWidget::changeEvent(event);
}

void TDock::contextMenuEvent(QContextMenuEvent* event) {
    if (m_popupMenu)
        m_popupMenu->popup(event->globalPos());
}

void TDock::backgroundChanged() {
    m_transparentTile = QPixmap();
    repaintWithBars();
}

void TDock::repaintWithBars() {
    update();
    for (TCustomToolWindow* bar : m_shownBars)
        bar->update();
}
