#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// One top-level window as the X server sees it.
struct TXWindow {
    unsigned long Id = 0;
    QString Title;
    QRect Geometry;     // on the screen
    bool Popup = false; // override-redirect: menus, tooltips, drag outlines
};

// Drives an X display the way a person at the machine does: real pointer and key events
// through the XTest extension, pictures of the screen, and the focus handling a window
// manager gives (a new window gets the focus, a click gives its window the focus, a closing
// window hands it to the window it belongs to). Every wait runs that focus handling.
class TXDriver {
public:
    explicit TXDriver(const QString& display);
    ~TXDriver();
    TXDriver(const TXDriver&) = delete;
    TXDriver& operator=(const TXDriver&) = delete;

    // Mapped top-level windows, bottom first (the stacking order).
    std::vector<TXWindow> Windows();
    // The topmost mapped window whose title matches exactly, or contains `part`.
    std::optional<TXWindow> WindowTitled(const QString& title);
    std::optional<TXWindow> WindowTitleContaining(const QString& part);
    std::optional<TXWindow> TopPopup();
    unsigned long FocusWindow();
    QString Title(unsigned long window);

    // Waits (with the focus handling running) until the condition holds; false on timeout.
    bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 60000);
    // Waits until the area of the screen shows the same picture twice, `quietMs` apart.
    QImage SettledShot(const QRect& area, int quietMs = 300, int milliseconds = 30000);

    void MoveTo(QPoint point);
    void Press(QPoint point, int button = 1);
    void Release(QPoint point, int button = 1);
    void Click(QPoint point, int button = 1);
    // A press, a path of moves in small steps, and a release.
    void Drag(QPoint from, QPoint to, int button = 1);
    // Keys by X keysym names joined with "+", e.g. "alt+f", "Delete", "ctrl+End".
    void Key(const QString& combination);
    void Type(const QString& text);

    QImage Shot(const QRect& area = {});
    QRect ScreenRect();
    void MoveWindow(unsigned long window, QPoint position);
    // Saves a picture of the whole screen for a failed test to look at.
    void SaveShot(const QString& path);

private:
    void handleFocusEvents();
    void focusClickedWindow(QPoint point);
    void pressKeysym(unsigned long keysym, bool down);

    struct Private;
    std::unique_ptr<Private> d;
};
