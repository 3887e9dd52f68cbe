#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs `step` once a popup menu other than `previous` is shown: the menu's own tracking loop
// runs it, so tests can drive a menu that the code under test pops up modally.
inline void whenPopupShown(std::function<void(QMenu*)> step, QWidget* previous = nullptr) {
    auto* poll = new QTimer(qApp);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step, previous, started] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu && menu != previous && menu->isVisible()) {
            poll->deleteLater();
            poll->stop();
            step(menu);
        } else if (started->elapsed() > 5000) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(5);
}

// Closes whatever popup is open, so that a failing test does not hang in a tracking loop.
inline void closeAllPopups() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

// Moves the mouse to a corner of `window` that no test uses. Qt drops a move to the position
// the cursor already has, so each test first moves away from wherever the last one ended.
inline void parkMouse(QWidget* window) {
    QTest::mouseMove(window, QPoint(window->width() - 2, window->height() - 2));
}
