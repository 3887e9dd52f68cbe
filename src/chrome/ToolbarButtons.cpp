#include "ToolbarButtons.h"

#include "ChromeContext.h"
#include "ButtonGeometry.h"
#include "ButtonPainter.h"
#include "ButtonStates.h"
#include "DockedEdge.h"
#include "DropdownMenuRouter.h"
#include "HotTracking.h"
#include "ImageList.h"
#include "MouseInputHold.h"
#include "PopupMenus.h"
#include "SystemColors.h"

#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QShortcutEvent>
#include <QTimer>

#include <algorithm>

TToolbarButton::TToolbarButton(QWidget* parent)
    : QWidget(parent),
      m_dropTarget([this](QObject* source, QPoint pos,
                          TDragState state) { return dragOver(source, pos, state); },
                   [this](QObject* source, QPoint pos) { dragDrop(source, pos); }) {
    THotTracker::buttonCreated();
    resize(23, 22);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(true);
    updateOpaqueness();
}

TToolbarButton::~TToolbarButton() {
    m_repeatTimer.reset();
    THotTracker::buttonDestroyed(this);
}

// --- state ------------------------------------------------------------------------------

void TToolbarButton::setState(TButtonState state) {
    if (state == m_state)
        return;
    m_state = state;
    update();
}

bool TToolbarButton::insideMainPart(const QPoint& pos) const {
    return ButtonGeometry::insideMainPart(pos, size(), m_dropdownArrowWidth, m_dropdownCombo);
}

void TToolbarButton::MouseEnter() {
    if (!isEnabled() || m_mouseInControl)
        return;
    m_mouseInControl = true;
    setState(ButtonStates::onEnter(m_state));
    if (m_flat || m_glyph.hasHotCell())
        update();
    if (TChromeContext* context = TChromeContext::of(this))
        context->events().setHint(m_hint);
    emit OnMouseEnter(this);
}

void TToolbarButton::MouseLeave() {
    if (!isEnabled() || !m_mouseInControl || m_dragging)
        return;
    m_mouseInControl = false;
    if (THotTracker* tracker = THotTracker::instance())
        tracker->release(this);
    const TButtonState before = m_state;
    setState(ButtonStates::onLeave(m_state, m_down, m_groupIndex != 0, m_clicking));
    if (m_flat || m_glyph.hasHotCell() || before == TButtonState::bsDown)
        update();
    // The application's hint is the hint of what is under the mouse; this button no longer is.
    TChromeContext* context = TChromeContext::of(this);
    if (context && context->events().Hint() == m_hint)
        context->events().setHint(QString());
    emit OnMouseExit(this);
}

// A move over this button while another (or none) is hot: the old one leaves, this one enters
// if hot tracking is allowed now.
void TToolbarButton::hotTrack() {
    THotTracker* tracker = THotTracker::instance();
    if (!tracker || tracker->hotButton() == this)
        return;
    if (TToolbarButton* previous = tracker->hotButton())
        previous->MouseLeave();
    if (m_showBorderWhenInactive || QApplication::activeWindow()) {
        tracker->makeHot(this);
        MouseEnter();
    }
}

void TToolbarButton::reevaluateHot() {
    const THotTracker* tracker = THotTracker::instance();
    const std::optional<QPoint> cursor = tracker ? tracker->cursorPos() : std::nullopt;
    if (cursor && rect().contains(mapFromGlobal(*cursor)))
        hotTrack();
    else
        MouseLeave();
}

// --- mouse ------------------------------------------------------------------------------

void TToolbarButton::mousePressEvent(QMouseEvent* event) {
    press(event);
}

void TToolbarButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like the first; only a latched button
    // reports the double click itself.
    if (event->button() == Qt::LeftButton && m_down)
        emit OnDblClick(this);
    press(event);
}

void TToolbarButton::press(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    m_lastMousePos = pos;
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        emit OnMouseDown(this, event->button(), event->modifiers(), pos.x(), pos.y());
        return;
    }
    QPointer<TToolbarButton> self(this);
    hotTrack();
    m_menuPressed = ButtonGeometry::pressOpensMenu(pos.x(), width(), m_dropdownArrowWidth, m_hasDropdown,
                                                   m_dropdownCombo);
    if (!m_down)
        setState(ButtonStates::onPress(m_state, m_down));
    else if (m_allowAllUp)
        update();
    if (!m_menuPressed)
        m_dragging = true;
    const int dragsBefore = m_controlDrags;
    emit OnMouseDown(this, event->button(), event->modifiers(), pos.x(), pos.y());
    if (!self)
        return;
    if (m_controlDrags != dragsBefore) {
        // The handler dragged the button away: the press is over.
        m_menuPressed = false;
        return;
    }
    if (m_menuPressed) {
        Click();
    } else if (m_repeating) {
        Click();
        if (self && m_dragging)
            startRepeat();
    }
    if (self)
        m_menuPressed = false;
}

void TToolbarButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    m_lastMousePos = pos;
    if (rect().contains(pos))
        hotTrack();
    if (m_dragPending && event->buttons().testFlag(Qt::LeftButton)
        && (pos - m_dragStart).manhattanLength() >= m_dragThreshold) {
        startControlDrag();
        return;
    }
    if (m_dragging) {
        const bool inside = insideMainPart(pos);
        setState(ButtonStates::whileDragging(m_down, inside));
        if (inside && m_repeatTimer && !m_repeatTimer->isActive())
            m_repeatTimer->start();
    }
    emit OnMouseMove(this, event->modifiers(), pos.x(), pos.y());
}

void TToolbarButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    m_lastMousePos = pos;
    stopRepeat();
    if (event->button() == Qt::LeftButton)
        m_dragPending = false;
    QPointer<TToolbarButton> self(this);
    if (event->button() == Qt::RightButton && isEnabled()) {
        m_dragging = false;
        MouseLeave();
    }
    emit OnMouseUp(this, event->button(), event->modifiers(), pos.x(), pos.y());
    if (!self || event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    if (insideMainPart(pos) && !m_repeating) {
        Click();
    } else {
        // Released outside, or the repeats have done the clicking: the press simply ends.
        setState(ButtonStates::whileDragging(m_down, false));
        MouseLeave();
    }
}

void TToolbarButton::cancelTracking() {
    stopRepeat();
    m_dragPending = false;
    if (m_dragging) {
        m_dragging = false;
        setState(ButtonStates::whileDragging(m_down, false));
        MouseLeave();
    }
}

void TToolbarButton::hideEvent(QHideEvent* event) {
    cancelTracking();
    QWidget::hideEvent(event);
}

// --- auto-repeat ------------------------------------------------------------------------

void TToolbarButton::startRepeat() {
    if (!m_repeatTimer) {
        m_repeatTimer = std::make_unique<QTimer>();
        connect(m_repeatTimer.get(), &QTimer::timeout, this, &TToolbarButton::repeatTick);
    }
    m_repeatTimer->start(m_repeatDelay);
}

void TToolbarButton::repeatTick() {
    m_repeatTimer->setInterval(m_repeatInterval);
    if (m_repeating && m_dragging && insideMainPart(m_lastMousePos))
        Click();
    else
        m_repeatTimer->stop();
}

void TToolbarButton::stopRepeat() {
    m_repeatTimer.reset();
}

// --- click ------------------------------------------------------------------------------

void TToolbarButton::Click() {
    if (m_repeating && !m_menuPressed) {
        emit OnClick(this);
        return;
    }
    QPointer<TToolbarButton> self(this);
    m_clicking = true;
    // Whatever the handler raised, the click ends with the button up again.
    const auto finish = qScopeGuard([this, self] {
        if (!self)
            return;
        m_clicking = false;
        setState(ButtonStates::onClickEnd(m_state));
        update();
        reevaluateHot();
    });
    if (m_groupIndex != 0 && !m_menuPressed)
        setDown(!m_down);
    if (KeepDropdownButtonPressed)
        setState(ButtonStates::onClickStart(m_state));
    MouseLeave();

    if (m_hasDropdown && (!m_dropdownCombo || m_menuPressed)) {
        dropdownClick();
    } else {
        if (m_modalResult != 0)
            if (auto* dialog = qobject_cast<QDialog*>(window()))
                dialog->done(m_modalResult);
        emit OnClick(this);
    }
}

void TToolbarButton::DropDown() {
    if (!m_hasDropdown || !isEnabled())
        return;
    QPointer<TToolbarButton> self(this);
    m_menuPressed = true;
    Click();
    if (self)
        m_menuPressed = false;
}

void TToolbarButton::setDefaultItem(TMenuItem* item) {
    m_defaultItem.link(this, item, &TToolbarButton::OnClick, &TToolbarButton::showDefaultItem);
}

void TToolbarButton::showDefaultItem() {
    const TMenuItem* item = m_defaultItem.item();
    if (!item)
        return;
    setEnabled(item->isEnabled());
    if (item->isCheckable())
        setDown(item->isChecked());
}

void TToolbarButton::dropdownClick() {
    QPointer<TToolbarButton> self(this);
    if (!m_dropdownCombo)
        emit OnClick(this);
    if (!self)
        return;
    bool showMenu = m_dropdownMenu != nullptr;
    bool removeClicks = true;
    emit OnDropdown(this, showMenu, removeClicks);
    if (self && m_dropdownMenu && showMenu)
        showDropdownMenu(removeClicks);
}

void TToolbarButton::showDropdownMenu(bool removeClicks) {
    QMenu* menu = m_dropdownMenu;
    const std::optional<TDockPosition> edge = DockedEdgeOf(parentWidget());
    QPoint at = mapToGlobal(QPoint(0, height()));
    bool opensLeft = false;
    if (edge == TDockPosition::dpLeft) {
        at = mapToGlobal(QPoint(width(), 0));
    } else if (edge == TDockPosition::dpRight) {
        at = mapToGlobal(QPoint(0, 0));
        opensLeft = true;
    }

    QPointer<TToolbarButton> self(this);
    TMouseInputHold hold;
    if (auto* owner = qobject_cast<TOwnerDrawPopupMenu*>(menu)) {
        QPointer<TOwnerDrawPopupMenu> guarded(owner);
        owner->setPopupComponent(this);
        const TPopupAlignment saved = owner->Alignment();
        if (opensLeft)
            owner->setAlignment(TPopupAlignment::paRight);
        owner->Popup(at.x(), at.y());
        if (guarded)
            guarded->setAlignment(saved);
    } else {
        menu->setAttribute(Qt::WA_NoMouseReplay);
        if (opensLeft)
            at.rx() -= menu->sizeHint().width();
        menu->exec(at);
    }
    if (!self || !removeClicks)
        return;
    // The press that closed the menu must not open it again; other input goes where it fell.
    hold.release([this](const TMouseInputHold::HeldInput& input, QWidget* target) {
        return target == this
               && (input.type == QEvent::MouseButtonPress || input.type == QEvent::MouseButtonDblClick);
    });
}

// --- keyboard, enabling, painting ---------------------------------------------------------

bool TToolbarButton::canClickByKey() const {
    const QWidget* parent = parentWidget();
    return isEnabled() && isVisible() && (!parent || (parent->isEnabled() && parent->isVisible()));
}

bool TToolbarButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        const bool byMnemonic = shortcut->shortcutId() == m_mnemonicShortcut;
        if (canClickByKey() && !(byMnemonic && m_displayMode == TButtonDisplayMode::dmGlyphOnly))
            Click();
        return true;
    }
    // The toolkit passes a disabled widget's button input on to its parent; a disabled button
    // keeps it, reports it and does nothing else, so the toolbar behind does not start a drag.
    if (!isEnabled() && takeDisabledButtonInput(event))
        return true;
    // Losing the window's activation takes the mouse away from a press in progress.
    if (event->type() == QEvent::WindowDeactivate)
        cancelTracking();
    if (m_dropTarget.handle(event))
        return true;
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        TButtonGlyph::clearSharedImages();
        update();
    }
    return QWidget::event(event);
}

bool TToolbarButton::takeDisabledButtonInput(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        press(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        emit OnMouseUp(this, mouse->button(), mouse->modifiers(), pos.x(), pos.y());
        break;
    }
    default:
        return false;
    }
    event->accept();
    return true;
}

void TToolbarButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            cancelTracking();
            m_mouseInControl = false;
            m_dragging = false;
            if (THotTracker* tracker = THotTracker::instance())
                tracker->release(this);
            setState(TButtonState::bsDisabled);
        } else if (m_state == TButtonState::bsDisabled) {
            setState(ButtonStates::onEnable(m_down, m_groupIndex != 0));
        }
        update();
    }
    QWidget::changeEvent(event);
}

void TToolbarButton::paintEvent(QPaintEvent*) {
    TButtonPaintOptions options;
    options.size = size();
    options.flat = m_flat;
    options.noBorder = m_noBorder;
    options.state = m_state;
    options.mouseInControl = m_mouseInControl;
    options.menuPressed = m_menuPressed;
    options.combo = m_dropdownCombo && m_hasDropdown;
    options.arrow = m_dropdownArrow && !m_dropdownCombo && m_hasDropdown;
    options.arrowWidth = m_dropdownArrowWidth;
    if (m_displayMode != TButtonDisplayMode::dmTextOnly) {
        options.glyphImage = m_glyph.stateImage(m_state);
        options.glyphSize = m_glyph.size();
    }
    if (m_displayMode != TButtonDisplayMode::dmGlyphOnly)
        options.caption = m_caption;
    options.font = font();
    options.fontColor = palette().color(QPalette::WindowText);
    options.alignment = m_alignment;
    options.wordWrap = m_wordWrap;
    options.layout = m_layout;
    options.margin = m_margin;
    options.spacing = m_spacing;

    if (coversBackground()) {
        // One off-screen image per paint, copied at once, so the button never flickers.
        QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
        buffer.fill(Color());
        {
            QPainter painter(&buffer);
            ButtonPainter::paint(painter, options);
        }
        QPainter(this).drawImage(0, 0, buffer);
    } else {
        QPainter painter(this);
        ButtonPainter::paint(painter, options);
    }
}
