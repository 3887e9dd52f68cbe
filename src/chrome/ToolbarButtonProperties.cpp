#include "ToolbarButtons.h"

#include "ButtonGeometry.h"
#include "ButtonStates.h"
#include "DropdownMenuRouter.h"
#include "ImageList.h"
#include "SystemColors.h"

#include <QKeySequence>

#include <algorithm>

// The published properties of TToolbarButton and the group rules they take part in. Every
// setter repaints only when the value really changes.

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
    if (m_dropdownCombo && !m_loading)
        resize(ButtonGeometry::widthAfterArrowWidthChange(this->width(), m_dropdownArrowWidth, width), height());
    m_dropdownArrowWidth = width;
    update();
}

void TToolbarButton::setDropdownCombo(bool combo) {
    if (combo == m_dropdownCombo)
        return;
    m_dropdownCombo = combo;
    if (!m_loading)
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
