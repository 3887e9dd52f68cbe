#pragma once

#include "ButtonGlyph.h"
#include "ButtonTypes.h"
#include "DefaultItemLink.h"
#include "DragEvents.h"

#include <QColor>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <memory>


class QMimeData;
class QTimer;


// The flat push button of the toolbars: hot tracking shared by the process, five draw states
// with their own glyph images, a drop-down menu opened from the whole button or from a separate
// arrow part (combo), radio-like groups and auto-repeat.
class TToolbarButton : public QWidget {
    Q_OBJECT

public:
    explicit TToolbarButton(QWidget* parent = nullptr);
    ~TToolbarButton() override;

    TCaptionAlignment Alignment() const { return m_alignment; }
    void setAlignment(TCaptionAlignment alignment);
    bool AllowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool allowAllUp);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel);
    // The background of an opaque button; button face unless set.
    QColor Color() const;
    void setColor(const QColor& color);
    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int groupIndex);
    bool Default() const { return m_default; }
    void setDefault(bool isDefault);
    TButtonDisplayMode DisplayMode() const { return m_displayMode; }
    void setDisplayMode(TButtonDisplayMode mode);
    bool Down() const { return m_down; }
    void setDown(bool down);
    bool DropdownAlways() const { return m_dropdownAlways; }
    void setDropdownAlways(bool always);
    bool DropdownArrow() const { return m_dropdownArrow; }
    void setDropdownArrow(bool arrow);
    int DropdownArrowWidth() const { return m_dropdownArrowWidth; }
    void setDropdownArrowWidth(int width);
    bool DropdownCombo() const { return m_dropdownCombo; }
    void setDropdownCombo(bool combo);
    QMenu* DropdownMenu() const { return m_dropdownMenu; }
    void setDropdownMenu(QMenu* menu);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool Flat() const { return m_flat; }
    void setFlat(bool flat);
    const QImage& Glyph() const { return m_glyph.Glyph(); }
    void setGlyph(const QImage& glyph);
    const QImage& GlyphMask() const { return m_glyph.GlyphMask(); }
    void setGlyphMask(const QImage& mask);
    int HelpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }
    QString Hint() const { return m_hint; }
    void setHint(const QString& hint);
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool show);
    int ImageIndex() const { return m_glyph.ImageIndex(); }
    void setImageIndex(int index);
    TImageList* Images() const { return m_glyph.Images(); }
    void setImages(TImageList* images);
    TButtonLayout Layout() const { return m_layout; }
    void setLayout(TButtonLayout layout);
    int Margin() const { return m_margin; }
    void setMargin(int margin);
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }
    bool NoBorder() const { return m_noBorder; }
    void setNoBorder(bool noBorder);
    int NumGlyphs() const { return m_glyph.NumGlyphs(); }
    void setNumGlyphs(int count);
    bool OldDisabledStyle() const { return m_glyph.OldDisabledStyle(); }
    void setOldDisabledStyle(bool old);
    bool Opaque() const { return m_opaque; }
    void setOpaque(bool opaque);
    bool Repeating() const { return m_repeating; }
    void setRepeating(bool repeating) { m_repeating = repeating; }
    int RepeatDelay() const { return m_repeatDelay; }
    void setRepeatDelay(int ms) { m_repeatDelay = std::max(ms, 0); }
    int RepeatInterval() const { return m_repeatInterval; }
    void setRepeatInterval(int ms) { m_repeatInterval = std::max(ms, 0); }
    bool ShowBorderWhenInactive() const { return m_showBorderWhenInactive; }
    void setShowBorderWhenInactive(bool show) { m_showBorderWhenInactive = show; }
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);

    // Run-time state.
    TButtonState ButtonDrawState() const { return m_state; }
    bool MouseInControl() const { return m_mouseInControl; }
    bool Dragging() const { return m_dragging; }
    bool MenuPressed() const { return m_menuPressed; }
    bool Clicking() const { return m_clicking; }
    bool HasDropdown() const { return m_hasDropdown; }
    // Covers what lies behind it: Opaque, or not Flat.
    bool coversBackground() const { return m_opaque || !m_flat; }

    // While the window builds the button from its stored layout, the stored width already
    // includes any arrow part: switching the combo on or changing the arrow width leaves the
    // width alone until Loaded.
    void BeginLoading() { m_loading = true; }
    void Loaded() { m_loading = false; }

    // Performs a click as a mouse click would.
    void Click();
    // Opens the drop-down menu as a press on the arrow part does (on the whole button, where
    // there is no arrow part); returns once the menu has closed.
    void DropDown();

    // The menu item the button stands for, as a tool button's default action: the button is
    // enabled with the item, down while a checkable item is checked, and a click chooses it.
    TMenuItem* defaultItem() const { return m_defaultItem.item(); }
    void setDefaultItem(TMenuItem* item);

    // Starts dragging the button to another control: at once, or once the mouse has moved
    // `threshold` pixels (-1: the desktop's drag distance) with the left button held. A press
    // that turns into a drag does not click. Usually called from OnMouseDown.
    void BeginDrag(bool immediate, int threshold = -1);
    // A drag begun but waiting for the mouse to move far enough.
    bool DragPending() const { return m_dragPending; }

    // Hot tracking: the button becomes the hot button, or stops being it.
    void MouseEnter();
    void MouseLeave();

    // Whether a drop-down button keeps looking pressed while its menu is open (shared by all).
    static constexpr bool KeepDropdownButtonPressed = true;

signals:
    void OnClick(TToolbarButton* sender);
    void OnDblClick(TToolbarButton* sender);
    void OnDropdown(TToolbarButton* sender, bool& showMenu, bool& removeClicks);
    void OnMouseEnter(TToolbarButton* sender);
    void OnMouseExit(TToolbarButton* sender);
    void OnMouseDown(TToolbarButton* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(TToolbarButton* sender, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(TToolbarButton* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // A drag of this button starts; the handler puts what it carries into `data`.
    void OnStartDrag(TToolbarButton* sender, QMimeData* data);
    // A drag of this button ended: dropped on `target` at (x, y) in its coordinates, or
    // cancelled (or dropped outside the program) with no target.
    void OnEndDrag(TToolbarButton* sender, QObject* target, int x, int y);
    // A drag from `source` is over the button; `accept` starts true when a handler listens.
    void OnDragOver(TToolbarButton* sender, QObject* source, int x, int y, TDragState state,
                    bool& accept);
    void OnDragDrop(TToolbarButton* sender, QObject* source, int x, int y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void press(QMouseEvent* event);
    bool takeDisabledButtonInput(QEvent* event);
    void hotTrack();
    bool insideMainPart(const QPoint& pos) const;
    void setState(TButtonState state);
    void updateHasDropdown();
    void updateOpaqueness();
    void updateShortcuts();
    void releaseGroup();
    void copyAllowAllUpToGroup();
    QList<TToolbarButton*> groupMembers() const;
    void startRepeat();
    void repeatTick();
    void stopRepeat();
    void cancelTracking();
    void dropdownClick();
    void showDropdownMenu(bool removeClicks);
    void reevaluateHot();
    bool canClickByKey() const;
    void glyphChanged();
    void showDefaultItem();
    bool dragOver(QObject* source, QPoint pos, TDragState state);
    void dragDrop(QObject* source, QPoint pos);
    void startControlDrag();

    TCaptionAlignment m_alignment = TCaptionAlignment::taCenter;
    bool m_allowAllUp = false;
    bool m_cancel = false;
    QColor m_color;
    int m_groupIndex = 0;
    bool m_default = false;
    TButtonDisplayMode m_displayMode = TButtonDisplayMode::dmBoth;
    bool m_down = false;
    bool m_dropdownAlways = false;
    bool m_dropdownArrow = true;
    int m_dropdownArrowWidth = 9;
    bool m_dropdownCombo = false;
    QPointer<QMenu> m_dropdownMenu;
    QString m_caption;
    bool m_flat = true;
    int m_helpContext = 0;
    QString m_hint;
    bool m_showHint = true;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_modalResult = 0;
    bool m_noBorder = false;
    bool m_opaque = true;
    bool m_repeating = false;
    int m_repeatDelay = 400;
    int m_repeatInterval = 100;
    bool m_showBorderWhenInactive = false;
    int m_spacing = 4;
    bool m_wordWrap = false;

    bool m_loading = false;
    TButtonGlyph m_glyph;
    TButtonState m_state = TButtonState::bsUp;
    bool m_mouseInControl = false;
    bool m_dragging = false;
    bool m_menuPressed = false;
    bool m_clicking = false;
    bool m_hasDropdown = false;
    std::unique_ptr<QTimer> m_repeatTimer;
    QPoint m_lastMousePos;
    int m_mnemonicShortcut = 0;
    int m_defaultShortcuts[2] = {0, 0};
    int m_cancelShortcut = 0;
    bool m_dragPending = false;
    QPoint m_dragStart;
    int m_dragThreshold = 0;
    int m_controlDrags = 0;
    TDropTarget m_dropTarget;
    TDefaultItemLink m_defaultItem;
};
