#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QSize ScreenPixels(const QScreen& screen) {
    return (QSizeF(screen.size()) * screen.devicePixelRatio()).toSize();
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window.move(area.center() - QRect(QPoint(), window.size()).center());
}
