#include "ToolbarButtons.h"

#include "ApplicationEvents.h"
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
#include <QShortcutEvent>
#include <QTimer>

#include <algorithm>

TToolbarButton::TToolbarButton(QWidget* parent) : QWidget(parent) {
    THotTracker::buttonCreated();
    resize(23, 22);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    updateOpaqueness();
}

TToolbarButton::~TToolbarButton() {
    m_repeatTimer.reset();
    THotTracker::buttonDestroyed(this);
}

// --- properties -------------------------------------------------------------------------

void TToolbarButton::setAlignment(TCaptionAlignment alignment) {
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TToolbarButton::setAllowAllUp(bool allowAllUp) {
    if (allowAllUp == m_allowAllUp)
        return;
    m_allowAllUp = allowAllUp;
    copyAllowAllUpToGroup();
    update();
}

void TToolbarButton::setCancel(bool cancel) {
    m_cancel = cancel;
    updateShortcuts();
}

QColor TToolbarButton::Color() const {
    return m_color.isValid() ? m_color : SystemColors::btnFace();
}

void TToolbarButton::setColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TToolbarButton::setGroupIndex(int groupIndex) {
    if (groupIndex == m_groupIndex)
        return;
    m_groupIndex = groupIndex;
    if (groupIndex == 0 && m_down) {
        m_down = false;
        setState(ButtonStates::forDown(false, isEnabled()));
    }
    copyAllowAllUpToGroup();
    update();
}

void TToolbarButton::setDefault(bool isDefault) {
    m_default = isDefault;
    updateShortcuts();
}

void TToolbarButton::setDisplayMode(TButtonDisplayMode mode) {
    if (mode == m_displayMode)
        return;
    m_displayMode = mode;
    update();
}

void TToolbarButton::setDown(bool down) {
    if (m_groupIndex == 0)
        down = false;
    if (down == m_down)
        return;
    if (m_down && !m_allowAllUp)
        return;
    m_down = down;
    setState(ButtonStates::forDown(down, isEnabled()));
    if (down)
        releaseGroup();
    update();
}

void TToolbarButton::setDropdownAlways(bool always) {
    if (always == m_dropdownAlways)
        return;
    m_dropdownAlways = always;
    updateHasDropdown();
}

void TToolbarButton::setDropdownArrow(bool arrow) {
    if (arrow == m_dropdownArrow)
        return;
    m_dropdownArrow = arrow;
    update();
}

void TToolbarButton::setDropdownArrowWidth(int width) {
    width = ButtonGeometry::clampArrowWidth(width);
    if (width == m_dropdownArrowWidth)
        return;
    if (m_dropdownCombo)
        resize(ButtonGeometry::widthAfterArrowWidthChange(this->width(), m_dropdownArrowWidth, width), height());
    m_dropdownArrowWidth = width;
    update();
}

void TToolbarButton::setDropdownCombo(bool combo) {
    if (combo == m_dropdownCombo)
        return;
    m_dropdownCombo = combo;
    resize(ButtonGeometry::widthAfterComboChange(width(), m_dropdownArrowWidth, combo), height());
    update();
}

void TToolbarButton::setDropdownMenu(QMenu* menu) {
    if (menu == m_dropdownMenu)
        return;
    if (m_dropdownMenu)
        disconnect(m_dropdownMenu, &QObject::destroyed, this, nullptr);
    m_dropdownMenu = menu;
    if (menu) {
        TDropdownMenuRouter::registerMenu(menu);
        connect(menu, &QObject::destroyed, this, [this] {
            m_dropdownMenu = nullptr;
            updateHasDropdown();
        });
    }
    updateHasDropdown();
}

void TToolbarButton::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateShortcuts();
    update();
}

void TToolbarButton::setFlat(bool flat) {
    if (flat == m_flat)
        return;
    m_flat = flat;
    updateOpaqueness();
    update();
}

void TToolbarButton::setGlyph(const QImage& glyph) {
    m_glyph.setGlyph(glyph);
    glyphChanged();
}

void TToolbarButton::setGlyphMask(const QImage& mask) {
    m_glyph.setGlyphMask(mask);
    glyphChanged();
}

void TToolbarButton::setHint(const QString& hint) {
    m_hint = hint;
    setToolTip(m_showHint ? hint : QString());
}

void TToolbarButton::setShowHint(bool show) {
    m_showHint = show;
    setToolTip(show ? m_hint : QString());
}

void TToolbarButton::setImageIndex(int index) {
    if (index == m_glyph.ImageIndex())
        return;
    m_glyph.setImageIndex(index);
    glyphChanged();
}

void TToolbarButton::setImages(TImageList* images) {
    if (images == m_glyph.Images())
        return;
    if (TImageList* old = m_glyph.Images())
        disconnect(old, nullptr, this, nullptr);
    m_glyph.setImages(images);
    if (images) {
        connect(images, &QObject::destroyed, this, [this] { glyphChanged(); });
        connect(images, &TImageList::OnChange, this, [this] { glyphChanged(); });
    }
    glyphChanged();
}

void TToolbarButton::setLayout(TButtonLayout layout) {
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TToolbarButton::setMargin(int margin) {
    if (margin < -1 || margin == m_margin)
        return;
    m_margin = margin;
    update();
}

void TToolbarButton::setNoBorder(bool noBorder) {
    if (noBorder == m_noBorder)
        return;
    m_noBorder = noBorder;
    update();
}

void TToolbarButton::setNumGlyphs(int count) {
    count = std::clamp(count, 1, MaxNumGlyphs);
    if (count == m_glyph.NumGlyphs())
        return;
    m_glyph.setNumGlyphs(count);
    glyphChanged();
}

void TToolbarButton::setOldDisabledStyle(bool old) {
    if (old == m_glyph.OldDisabledStyle())
        return;
    m_glyph.setOldDisabledStyle(old);
    glyphChanged();
}

void TToolbarButton::setOpaque(bool opaque) {
    if (opaque == m_opaque)
        return;
    m_opaque = opaque;
    updateOpaqueness();
    update();
}

void TToolbarButton::setSpacing(int spacing) {
    if (spacing == m_spacing)
        return;
    m_spacing = spacing;
    update();
}

void TToolbarButton::setWordWrap(bool wordWrap) {
    if (wordWrap == m_wordWrap)
        return;
    m_wordWrap = wordWrap;
    update();
}

void TToolbarButton::glyphChanged() {
    update();
}

void TToolbarButton::updateOpaqueness() {
    setAttribute(Qt::WA_OpaquePaintEvent, coversBackground());
}

void TToolbarButton::updateHasDropdown() {
    const bool has = m_dropdownAlways || m_dropdownMenu;
    if (has == m_hasDropdown)
        return;
    m_hasDropdown = has;
    if (m_dropdownArrow || m_dropdownCombo)
        update();
}

// The accelerator of the caption and, for Default and Cancel, Enter and Esc: caught as
// window shortcuts so that they work wherever the focus is in the button's window.
void TToolbarButton::updateShortcuts() {
    for (int* id : {&m_mnemonicShortcut, &m_defaultShortcuts[0], &m_defaultShortcuts[1], &m_cancelShortcut}) {
        if (*id)
            releaseShortcut(*id);
        *id = 0;
    }
    const QKeySequence mnemonic = QKeySequence::mnemonic(m_caption);
    if (!mnemonic.isEmpty())
        m_mnemonicShortcut = grabShortcut(mnemonic);
    if (m_default) {
        m_defaultShortcuts[0] = grabShortcut(QKeySequence(Qt::Key_Return));
        m_defaultShortcuts[1] = grabShortcut(QKeySequence(Qt::Key_Enter));
    }
    if (m_cancel)
        m_cancelShortcut = grabShortcut(QKeySequence(Qt::Key_Escape));
}

// --- groups -----------------------------------------------------------------------------

QList<TToolbarButton*> TToolbarButton::groupMembers() const {
    QList<TToolbarButton*> members;
    if (m_groupIndex == 0 || !parentWidget())
        return members;
    for (TToolbarButton* button : parentWidget()->findChildren<TToolbarButton*>(Qt::FindDirectChildrenOnly))
        if (button != this && button->m_groupIndex == m_groupIndex)
            members.append(button);
    return members;
}

void TToolbarButton::releaseGroup() {
    for (TToolbarButton* other : groupMembers()) {
        if (!other->m_down)
            continue;
        other->m_down = false;
        other->setState(ButtonStates::forDown(false, other->isEnabled()));
        other->update();
    }
}

void TToolbarButton::copyAllowAllUpToGroup() {
    for (TToolbarButton* other : groupMembers())
        other->m_allowAllUp = m_allowAllUp;
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
    TApplicationEvents::instance().setHint(m_hint);
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
    emit OnMouseDown(this, event->button(), event->modifiers(), pos.x(), pos.y());
    if (!self)
        return;
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
    if (!self)
        return;
    m_clicking = false;
    setState(ButtonStates::onClickEnd(m_state));
    update();
    reevaluateHot();
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
    const std::optional<TDockPosition> edge = dockedEdgeOf(parentWidget());
    QPoint at = mapToGlobal(QPoint(0, height()));
    bool opensLeft = false;
    if (edge == TDockPosition::dpLeft) {
        at = mapToGlobal(QPoint(width(), 0));
    } else if (edge == TDockPosition::dpRight) {
        at = mapToGlobal(QPoint(0, 0));
        opensLeft = true;
    }

    QPointer<TToolbarButton> self(this);
    MouseInputHold hold;
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
    hold.release([this](const MouseInputHold::HeldInput& input, QWidget* target) {
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
    // Losing the window's activation takes the mouse away from a press in progress.
    if (event->type() == QEvent::WindowDeactivate)
        cancelTracking();
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        TButtonGlyph::clearSharedImages();
        update();
    }
    return QWidget::event(event);
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
    ButtonPaintOptions options;
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
