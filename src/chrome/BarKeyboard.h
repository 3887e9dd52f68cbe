#pragma once

#include "Toolbars.h"

#include <QObject>

class QWidget;

// What the keyboard handlers of a toolbar share: each lives as the toolbar's only child of its
// kind, watches the whole application's events, and acts only while the toolbar's form is the
// active window with no popup open.
class TBarKeyboard : public QObject {
protected:
    explicit TBarKeyboard(TCustomToolbar* bar);

    // The handler of kind Handler installed on the bar, or none.
    template <typename Handler> static Handler* installedOn(const TCustomToolbar* bar);

    QWidget* form() const;
    bool formIsActive() const;

    TCustomToolbar* const m_bar;
};

template <typename Handler> Handler* TBarKeyboard::installedOn(const TCustomToolbar* bar) {
    return bar ? bar->findChild<Handler*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}
