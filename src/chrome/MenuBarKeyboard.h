#pragma once

#include "BarKeyboard.h"

#include <QPointer>
#include <vector>

class QKeyEvent;
class QMenu;
class QWidget;
class TCustomToolbar;
class TToolbarButton;

// Puts the keyboard on a toolbar of menu-bar captions as desktop menu bars take it: Alt pressed
// and released alone, or F10, highlights the first caption; Left and Right move between the
// captions (wrapping round), Down, Enter or Space (or a caption's letter) opens the highlighted
// menu with its first item selected, and Esc, a click or any other key leaves the bar, the focus
// never having left where it was. In an open menu of the bar Left and Right close it and open
// the neighbouring one; Esc in a menu opened from the keyboard goes back to its caption. The
// captions' own Alt+letter keys are left to their shortcuts. Only the bar's form, while active,
// is listened to; the object is a child of the bar.
class TMenuBarKeyboard : public TBarKeyboard {
    Q_OBJECT

public:
    static TMenuBarKeyboard* Install(TCustomToolbar* bar);
    // The bar's keyboard navigation; none when it has not been installed.
    static TMenuBarKeyboard* Of(const TCustomToolbar* bar);
    // Whether the keyboard is on `button`, a caption of a bar with keyboard navigation.
    static bool HasKeyboard(const TToolbarButton* button);

    // The caption the keyboard is on; none while the keyboard is off the bar.
    TToolbarButton* Highlighted() const { return m_highlighted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TMenuBarKeyboard(TCustomToolbar* bar);

    std::vector<TToolbarButton*> captions() const;
    TToolbarButton* neighbour(const TToolbarButton* from, int step) const;
    TToolbarButton* openedFrom(const QMenu* menu) const;
    bool menuTracked() const;

    // What a key does while the keyboard is on the bar.
    struct BarKey {
        enum Kind { Move, Open, Leave, PassOn, Ignore } kind;
        TToolbarButton* caption;
    };
    BarKey barKey(const QKeyEvent* key) const;

    void trackAlt(QObject* watched, QEvent* event);
    bool takeBarKey(QKeyEvent* key);
    bool menuKey(QMenu* menu, QKeyEvent* key);
    void toggle();
    void highlight(TToolbarButton* button);
    void leave();
    void openLater(TToolbarButton* button);
    void afterMenu();
    void open(TToolbarButton* button);

    QPointer<TToolbarButton> m_highlighted;
    bool m_altAlone = false;
    // Opened from the keyboard: the menu shows its first item selected, Esc goes back to the bar.
    QPointer<QMenu> m_keyboardMenu;
    // What follows once the open menu has closed: the neighbour to open, or the caption to go
    // back to.
    QPointer<TToolbarButton> m_next;
    QPointer<TToolbarButton> m_backTo;
};
