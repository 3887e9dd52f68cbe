#include "Docks.h"

#include "InvalidOperation.h"
#include "SystemColors.h"
#include "ToolWindow.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>

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

} // namespace

TDock::TDock(QWidget* parent, TDockPosition position)
    : QWidget(validatedParent(parent)), m_position(position) {
    setAutoFillBackground(false);
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
            bar->m_lastDock = nullptr;
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
            bar->updateFrame();
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
    if (IsVerticalDock(position))
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    else
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ArrangeBars();
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

DockArrangeInput TDock::arrangeInput(bool clipPositions) const {
    DockArrangeInput input;
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

void TDock::applyArrangement(const DockArrangement& arrangement) {
    std::vector<TCustomToolWindow*> bars;
    for (const DockBarState& state : arrangement.bars) {
        TCustomToolWindow* bar = m_bars[state.key];
        bar->m_dockRow = state.row;
        bar->m_dockPos = state.pos;
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
    for (const DockBarPlacement& placement : arrangement.placements)
        previous[placement.key]->SetBoundsFromDock(placement.bounds.translated(origin));
    setThickness(arrangement.thickness, !arrangement.placements.empty());
}

// An empty dock takes no space at all, bound lines included.
void TDock::setThickness(int clientThickness, bool holdsBars) {
    const QMargins lines = holdsBars ? boundLineMargins() : QMargins();
    if (IsVerticalDock(m_position))
        setFixedWidth(clientThickness + lines.left() + lines.right());
    else
        setFixedHeight(clientThickness + lines.top() + lines.bottom());
}

void TDock::EndArrange() {
    bool clip = false;
    if (m_deferral.end(clip))
        ArrangeBars(clip);
}

void TDock::InsertRowAt(int row, const TCustomToolWindow* except) {
    for (TCustomToolWindow* bar : m_bars)
        if (bar != except && bar->m_dockRow >= row)
            ++bar->m_dockRow;
}

bool TDock::RowHasOtherShownBars(int row, const TCustomToolWindow* except) const {
    return std::any_of(m_shownBars.begin(), m_shownBars.end(), [&](const TCustomToolWindow* bar) {
        return bar != except && bar->DockRow() == row;
    });
}

RowHit TDock::RowAtPosition(int offset) {
    return ::RowAtPosition(RowThicknesses(), offset);
}

std::vector<int> TDock::RowThicknesses() const {
    return ::ArrangeBars(arrangeInput(false)).rowThickness;
}

int TDock::RowThicknessFor(const TCustomToolWindow* bar) const {
    const std::vector<int> rows = RowThicknesses();
    const int row = bar->DockRow();
    const int entry = row >= 0 && row < static_cast<int>(rows.size()) ? rows[row] : 0;
    return entry != 0 ? entry : bar->GetBarThickness(IsVerticalDock(m_position));
}

void TDock::Loaded() {
    m_loading = false;
    ArrangeBars(m_deferral.pending());
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

void TDock::resizeEvent(QResizeEvent*) {
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
