#pragma once

#include <QEvent>
#include <QObject>
#include <QPoint>

#include <functional>
#include <vector>

class QWidget;

// Holds back the mouse-button input that arrives while a popup menu is tracked: the press that
// closes the menu by falling outside it, and any button input reaching other widgets before
// the tracking call has returned. Afterwards the caller releases it, in the order it arrived,
// dropping what it does not want (a drop-down button drops the press that fell on itself, so
// that the click that closed its menu does not open it again).
//
// Holds nest: only the outermost one records and releases, so a menu that holds input for its
// own tracking leaves the decision to the button that opened it.
class TMouseInputHold : public QObject {
    Q_OBJECT

public:
    struct HeldInput {
        QEvent::Type type;
        QPoint globalPos;
        Qt::MouseButton button;
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
    };
    // Returns true for input that is to be dropped; gets the widget now under the input's point.
    using DropRule = std::function<bool(const HeldInput&, QWidget* target)>;

    TMouseInputHold();
    ~TMouseInputHold() override;
    TMouseInputHold(const TMouseInputHold&) = delete;
    TMouseInputHold& operator=(const TMouseInputHold&) = delete;

    // Posts the held input again, except what the rule drops. Later input is no longer held.
    void release(const DropRule& drop = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_outermost;
    bool m_released = false;
    std::vector<HeldInput> m_held;
};
