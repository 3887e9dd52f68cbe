#pragma once

#include "KeyboardStops.h"

#include <QObject>
#include <QPointer>
#include <optional>
#include <vector>

class QWidget;

// F6 and Shift+F6 move the keyboard round a window's panes in the order given, as desktop
// programs do, passing over hidden and disabled panes. A pane gets the focus as Tab gives it;
// a toolbar with keyboard navigation (TToolbarKeyboard) takes the keyboard on its first control
// instead, the focus staying in the pane it was in. The object is a child of the form.
class TPaneKeyboard : public QObject {
    Q_OBJECT

public:
    TPaneKeyboard(QWidget* form, const std::vector<QWidget*>& panes);

private:
    void cycle(TKeyboardStep step);
    std::optional<std::size_t> current() const;

    std::vector<QPointer<QWidget>> m_panes;
};
