#pragma once

#include "BarKeyboard.h"
#include "KeyboardStops.h"

#include <QPointer>
#include <vector>

class QMenu;
class QWidget;
class TCustomToolbar;

// Lets the keyboard work a toolbar as it works the captions of a menu bar: once Enter has put
// it on the toolbar, a focus rectangle marks the control it is on, Left and Right (Up and Down
// in a vertical dock) move it among the enabled controls, round the ends, Home and End go to
// the first and the last, Space and Enter press the control, Down (along a horizontal dock),
// Alt+Down or F4 open its drop-down menu with the first item selected, and Esc, a click, or
// any other key leaves the toolbar. The focus never leaves the control that had it, so the
// commands work on what they worked on before. Only the toolbar's form, while active, is
// listened to; the object is a child of the toolbar.
class TToolbarKeyboard : public TBarKeyboard {
    Q_OBJECT

public:
    static TToolbarKeyboard* Install(TCustomToolbar* bar);
    // The bar's keyboard navigation; none when it has not been installed.
    static TToolbarKeyboard* Of(const TCustomToolbar* bar);

    // Whether the toolbar is shown with a control that can take the keyboard.
    bool CanEnter() const;
    // Puts the keyboard on the first or the last control that can take it.
    void Enter(TKeyboardStep step = TKeyboardStep::First);
    // Gives the keyboard back to the control that has the focus.
    void Leave();
    // The control the keyboard is on; none while it is off the toolbar.
    QWidget* Highlighted() const { return m_highlighted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TToolbarKeyboard(TCustomToolbar* bar);

    std::vector<TKeyboardStop> stops(const std::vector<QWidget*>& controls) const;
    bool vertical() const;
    void perform(TToolbarKey action);
    void move(TKeyboardStep step);
    void highlight(QWidget* control);
    void press();
    void openMenu();
    void paintHighlight(QWidget* control, QEvent* paint);

    QPointer<QWidget> m_highlighted;
    // Opened from the keyboard: the menu shows its first item selected.
    QPointer<QMenu> m_keyboardMenu;
    bool m_altAlone = false;
};
