#include "BarKeyboard.h"

#include <QApplication>

TBarKeyboard::TBarKeyboard(TCustomToolbar* bar) : QObject(bar), m_bar(bar) {
    qApp->installEventFilter(this);
}

QWidget* TBarKeyboard::form() const {
    return m_bar->ParentForm() ? m_bar->ParentForm() : m_bar->window();
}

bool TBarKeyboard::formIsActive() const {
    return QApplication::activeWindow() == form() && !QApplication::activePopupWidget();
}
