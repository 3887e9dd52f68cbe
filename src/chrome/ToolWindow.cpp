#include "ToolWindow.h"

#include "Docks.h"
#include "DragGeometry.h"
#include "FloatingWindowParent.h"
#include "InvalidOperation.h"
#include "SystemColors.h"
#include "ToolWindowDrag.h"
#include "ToolWindowPainter.h"
#include "WorkArea.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

QWidget* validatedParent(QWidget* parent) {
    if (!parent || !(qobject_cast<TDock*>(parent) || parent->isWindow()))
        throw EInvalidOperation(
            QStringLiteral("A tool window can only be placed on a TDock or directly on the form"));
    return parent;
}

} // namespace

TCustomToolWindow::TCustomToolWindow(QWidget* parent)
    : QWidget(validatedParent(parent)),
      m_dropTarget([this](QObject* source, QPoint pos,
                          TDragState state) { return dragOver(source, pos, state); },
                   [this](QObject* source, QPoint pos) { dragDrop(source, pos); }) {
    setAttribute(Qt::WA_MouseTracking);
    setAcceptDrops(true);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &TCustomToolWindow::UpdateFloatingVisibility);
    if (auto* dock = qobject_cast<TDock*>(parent)) {
        watchParentForm(dock->window());
        m_dockedTo = dock;
        enterDock(dock);
        setContentsMargins(FrameMarginsFor(dock));
        applyShownState();
        dock->ArrangeBars();
    } else {
        watchParentForm(parent);
        m_floatingPosition = parent->mapToGlobal(QPoint(0, 0));
        changePlace(nullptr);
    }
}

TCustomToolWindow::~TCustomToolWindow() {
    m_destroying = true;
    if (m_dockedTo)
        m_dockedTo->RemoveBar(this);
    if (m_lastDock && m_lastDock != m_dockedTo)
        m_lastDock->RemoveBar(this);
    if (m_dockedTo)
        m_dockedTo->ArrangeBars();
    if (m_host) {
        // The host may be dispatching the event that deletes us, so it goes later; its empty
        // window must not stay on screen meanwhile.
        m_host->hide();
        m_host->deleteLater();
    }
}

void TCustomToolWindow::watchParentForm(QWidget* form) {
    if (m_parentForm == form)
        return;
    if (m_parentForm)
        m_parentForm->removeEventFilter(this);
    m_parentForm = form;
    if (form)
        form->installEventFilter(this);
}

// ---- properties ----

TDock* TCustomToolWindow::DefaultDock() const {
    return m_defaultDock;
}
void TCustomToolWindow::setDefaultDock(TDock* dock) {
    m_defaultDock = dock;
}
TDock* TCustomToolWindow::DockedTo() const {
    return m_dockedTo;
}
std::optional<TDockPosition> TCustomToolWindow::DockedEdge() const {
    if (!m_dockedTo)
        return std::nullopt;
    return m_dockedTo->Position();
}
TDock* TCustomToolWindow::LastDock() const {
    return m_lastDock;
}

void TCustomToolWindow::setBorderStyle(TToolWindowBorderStyle style) {
    m_borderStyle = style;
    updateFrame();
}

void TCustomToolWindow::setCaption(const QString& caption) {
    m_caption = caption;
    if (m_host)
        m_host->setWindowTitle(caption);
    update();
}

QColor TCustomToolWindow::Color() const {
    return m_color.isValid() ? m_color : SystemColors::btnFace();
}

void TCustomToolWindow::setColor(const QColor& color) {
    m_color = color;
    update();
}

void TCustomToolWindow::setCloseButton(bool on) {
    m_closeButton = on;
    update();
}

void TCustomToolWindow::setCloseButtonWhenDocked(bool on) {
    m_closeButtonWhenDocked = on;
    updateFrame();
}

void TCustomToolWindow::setDockedTo(TDock* dock) {
    if (dock == m_dockedTo)
        return;
    if (!dock && !m_parentForm)
        throw EInvalidOperation(
            QStringLiteral("Control '%1' has no parent window").arg(objectName()));
    changePlace(dock);
}

void TCustomToolWindow::setDockPos(int pos) {
    m_dockPos = pos;
    if (m_dockedTo)
        m_dockedTo->ArrangeBars();
}

void TCustomToolWindow::setDockRow(int row) {
    m_dockRow = row;
    if (m_dockedTo)
        m_dockedTo->ArrangeBars();
}

void TCustomToolWindow::setDragHandleStyle(TDragHandleStyle style) {
    m_dragHandleStyle = style;
    updateFrame();
}

void TCustomToolWindow::setFloatingMode(TFloatingMode mode) {
    if (m_floatingMode == mode)
        return;
    m_floatingMode = mode;
    if (m_host)
        m_host->setOnTopOfAllForms(mode == TFloatingMode::fmOnTopOfAllForms);
    UpdateFloatingVisibility();
}

void TCustomToolWindow::setFullSize(bool fullSize) {
    if (m_fullSize == fullSize)
        return;
    m_fullSize = fullSize;
    ArrangeSelf();
    if (m_dockedTo)
        m_dockedTo->ArrangeBars();
}

void TCustomToolWindow::setHideWhenInactive(bool hide) {
    m_hideWhenInactive = hide;
    UpdateFloatingVisibility();
    update();
}

void TCustomToolWindow::setLastDock(TDock* dock) {
    if (m_dockedTo)
        return; // while docked the last dock is the dock
    if (m_lastDock == dock)
        return;
    if (m_lastDock)
        m_lastDock->RemoveBar(this);
    m_lastDock = dock;
    if (dock) {
        m_useLastDock = true;
        dock->InsertBar(this);
    }
}

void TCustomToolWindow::setShowCaption(bool show) {
    m_showCaption = show;
    updateFrame();
}

void TCustomToolWindow::setUseLastDock(bool use) {
    m_useLastDock = use;
    if (!use && !m_dockedTo && m_lastDock) {
        m_lastDock->RemoveBar(this);
        m_lastDock = nullptr;
    }
}

void TCustomToolWindow::setVisible(bool visible) {
    if (m_changingPlace) {
        QWidget::setVisible(visible);
        return;
    }
    const bool changed = visible != m_visible;
    m_visible = visible;
    QWidget::setVisible(visible);
    if (m_dockedTo)
        m_dockedTo->UpdateShownBars();
    else
        UpdateFloatingVisibility();
    if (changed && OnVisibleChanged)
        OnVisibleChanged(this);
}

void TCustomToolWindow::setFloatingPosition(QPoint position) {
    m_floatingPosition = position;
    if (m_host && !m_dockedTo)
        m_host->move(position);
}

void TCustomToolWindow::hostMoved(QPoint position) {
    m_floatingPosition = position;
    if (!m_changingPlace && OnMove)
        OnMove(this);
}

bool TCustomToolWindow::CaptionInactive() const {
    return !m_dockedTo && !m_hideWhenInactive &&
           QGuiApplication::applicationState() != Qt::ApplicationActive;
}

// ---- sizes ----

int TCustomToolWindow::GetBarThickness(bool vertical) const {
    return std::max(8, vertical ? contentsRect().width() : contentsRect().height());
}

QSize TCustomToolWindow::MeasureControls(const TDock*) const {
    return contentsRect().size();
}

QSize TCustomToolWindow::ArrangeControls(const TDock* dock) {
    return MeasureControls(dock);
}

TDockedFrameStyle TCustomToolWindow::DockedStyle(const TDock* dock) const {
    TDockedFrameStyle style;
    style.verticalDock = dock && IsVerticalDock(dock->Position());
    style.allowDrag = dock && dock->AllowDrag();
    style.handleStyle = m_dragHandleStyle;
    style.closeButtonWhenDocked = m_closeButtonWhenDocked;
    return style;
}

TFloatingFrameMetrics TCustomToolWindow::FloatingMetrics() const {
    TFloatingFrameMetrics metrics;
    metrics.showCaption = m_showCaption;
    return metrics;
}

QMargins TCustomToolWindow::FrameMarginsFor(const TDock* dock) const {
    return dock ? DockedFrameMargins(DockedStyle(dock)) : FloatingMetrics().margins();
}

QSize TCustomToolWindow::SizeFor(const TDock* dock) const {
    return MeasureControls(dock).grownBy(FrameMarginsFor(dock));
}

void TCustomToolWindow::ArrangeSelf() {
    if (m_arrangeBlock > 0 || m_loading || m_destroying) {
        m_arrangePending = true;
        return;
    }
    ++m_arrangeBlock;
    TDock* dock = m_dockedTo;
    QSize outer = ArrangeControls(dock).grownBy(FrameMarginsFor(dock));
    if (dock) {
        const bool vertical = IsVerticalDock(dock->Position());
        const QMargins margins = FrameMarginsFor(dock);
        const int rowThickness = dock->RowThicknessFor(this);
        const QRect client = dock->DockClientRect();
        if (vertical) {
            outer.setWidth(
                std::max(outer.width(), rowThickness + margins.left() + margins.right()));
            if (m_fullSize)
                outer.setHeight(client.height());
        } else {
            outer.setHeight(
                std::max(outer.height(), rowThickness + margins.top() + margins.bottom()));
            if (m_fullSize)
                outer.setWidth(client.width());
        }
    }
    const bool changed = outer != size();
    if (changed) {
        resize(outer);
        if (m_host && !dock)
            m_host->resize(outer);
    }
    --m_arrangeBlock;
    m_arrangePending = false;
    if (changed && dock)
        dock->ArrangeBars();
}

void TCustomToolWindow::EndUpdate() {
    if (m_arrangeBlock > 0)
        --m_arrangeBlock;
    if (m_arrangeBlock == 0 && m_arrangePending)
        ArrangeSelf();
}

void TCustomToolWindow::Loaded() {
    const bool wasLoading = m_loading;
    m_loading = false;
    ArrangeSelf();
    if (!wasLoading || m_dockedTo || !m_host)
        return;
    QPoint position = m_floatingPosition;
    if (!m_savedAtRunTime && m_parentForm)
        position = m_parentForm->mapToGlobal(position);
    const QRect bounds(position, size());
    setFloatingPosition(MoveOnScreen(bounds, WorkAreaAt(bounds.center())).topLeft());
}

void TCustomToolWindow::setBoundsFromDock(const QRect& bounds) {
    setGeometry(bounds);
    ArrangeControls(m_dockedTo);
}

void TCustomToolWindow::PlacedByDock(int row, int pos) {
    m_dockRow = row;
    m_dockPos = pos;
}

void TCustomToolWindow::DockFrameChanged() {
    updateFrame();
}

void TCustomToolWindow::updateFrame() {
    setContentsMargins(FrameMarginsFor(m_dockedTo));
    ArrangeSelf();
    update();
}

bool TCustomToolWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_host && watched == m_host) {
        if (event->type() == QEvent::Move)
            hostMoved(m_host->pos());
        else if (event->type() == QEvent::WindowActivate)
            handOverActivation();
    }
    if (watched == m_parentForm) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            UpdateFloatingVisibility();
            break;
        case QEvent::ActivationChange:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- events ----

bool TCustomToolWindow::event(QEvent* event) {
    if (m_dropTarget.handle(event))
        return true;
    // A control that takes the keyboard, added while floating, needs a host that can be active.
    if (event->type() == QEvent::ChildPolished && m_host && !m_host->TakesFocus() &&
        hasFocusableControl())
        m_host->setTakesFocus(true);
    return QWidget::event(event);
}

bool TCustomToolWindow::dragOver(QObject* source, QPoint pos, TDragState state) {
    bool accept = static_cast<bool>(OnDragOver);
    if (OnDragOver)
        OnDragOver(this, source, pos.x(), pos.y(), state, accept);
    return accept;
}

void TCustomToolWindow::dragDrop(QObject* source, QPoint pos) {
    if (OnDragDrop)
        OnDragDrop(this, source, pos.x(), pos.y());
}

void TCustomToolWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_dockedTo) {
        ToolWindowPainter::paintDocked(painter, *this, *m_dockedTo);
    } else {
        ToolWindowPainter::paintFloating(painter, *this);
    }
}

QRect TCustomToolWindow::CloseButtonRect() const {
    if (m_dockedTo)
        return DockedCloseButtonRect(DockedStyle(m_dockedTo), size());
    if (!m_closeButton)
        return {};
    return FloatingMetrics().closeButtonRect(size());
}

QRect TCustomToolWindow::GripRect() const {
    QRect grip;
    if (m_dockedTo)
        for (const QRect& bar : GripBarRects(DockedStyle(m_dockedTo), size()))
            grip |= bar;
    return grip;
}

bool TCustomToolWindow::pressBelongsToControl(QPoint pos) const {
    QWidget* control = childAt(pos);
    while (control && control->parentWidget() != this)
        control = control->parentWidget();
    return control && control->isVisible() && !PassesPressesOn(control);
}

void TCustomToolWindow::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown)
        OnMouseDown(this, event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    // The toolkit hands a disabled control's presses on to us; they are still the control's.
    if (pressBelongsToControl(pos))
        return;
    if (m_dockedTo) {
        if (!m_dockedTo->AllowDrag())
            return;
        if (CloseButtonRect().contains(pos)) {
            trackCloseButton();
            return;
        }
    } else {
        if (m_host)
            m_host->raise();
        if (m_activateParent && m_floatingMode == TFloatingMode::fmOnTopOfParentForm &&
            m_parentForm)
            m_parentForm->activateWindow();
        const TFloatingZone zone = FloatingHitZone(FloatingMetrics(), size(), pos, m_closeButton);
        if (zone == TFloatingZone::Close) {
            trackCloseButton();
            return;
        }
        if (zone != TFloatingZone::Client) {
            resizeFloating(zone, event->globalPosition().toPoint());
            return;
        }
    }
    TToolWindowDrag drag(this, pos);
    drag.runModal();
}

void TCustomToolWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (pressBelongsToControl(pos) || CloseButtonRect().contains(pos))
        return;
    if (m_dockedTo && !m_dockedTo->AllowDrag())
        return;
    if (!m_dockedTo &&
        FloatingHitZone(FloatingMetrics(), size(), pos, m_closeButton) != TFloatingZone::Client)
        return;
    ToggleDocked();
}

void TCustomToolWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp)
        OnMouseUp(this, event);
}

void TCustomToolWindow::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove)
        OnMouseMove(this, event);
    if (m_dockedTo) {
        unsetCursor();
        return;
    }
    switch (
        FloatingHitZone(FloatingMetrics(), size(), event->position().toPoint(), m_closeButton)) {
    case TFloatingZone::Top:
    case TFloatingZone::Bottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case TFloatingZone::Left:
    case TFloatingZone::Right:
        setCursor(Qt::SizeHorCursor);
        break;
    default:
        unsetCursor();
        break;
    }
}

void TCustomToolWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_host && !m_dockedTo && !m_changingPlace)
        m_host->resize(size());
    if (OnResize)
        OnResize(this);
}

void TCustomToolWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (m_dockedTo && !m_changingPlace && OnMove)
        OnMove(this);
}

void TCustomToolWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

void TCustomToolWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (m_popupMenu)
        m_popupMenu->popup(event->globalPos());
}

void TCustomToolWindow::CloseByButton() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    if (!canClose)
        return;
    setVisible(false);
    if (OnClose)
        OnClose(this);
}
