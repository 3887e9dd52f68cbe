#include "XDriver.h"

#include <QElapsedTimer>
#include <QThread>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <stdexcept>

struct TXDriver::Private {
    Display* display = nullptr;
    Window root = 0;
    // Which window each mapped window belongs to (its WM_TRANSIENT_FOR), read when it maps.
    std::map<Window, Window> owners;
};

namespace {

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

bool viewable(Display* display, Window window, XWindowAttributes& attributes) {
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

} // namespace

TXDriver::TXDriver(const QString& display) : d(std::make_unique<Private>()) {
    d->display = XOpenDisplay(display.toLocal8Bit().constData());
    if (!d->display)
        throw std::runtime_error("cannot open the X display");
    // Windows come and go while they are looked at; such errors are expected.
    XSetErrorHandler(ignoreErrors);
    d->root = DefaultRootWindow(d->display);
    XSelectInput(d->display, d->root, SubstructureNotifyMask);
    int event, error, major, minor;
    if (!XTestQueryExtension(d->display, &event, &error, &major, &minor))
        throw std::runtime_error("the X server has no XTest extension");
}

TXDriver::~TXDriver() {
    XCloseDisplay(d->display);
}

QString TXDriver::Title(unsigned long window) {
    const Atom netName = XInternAtom(d->display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(d->display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QString title;
    if (XGetWindowProperty(d->display, window, netName, 0, 1024, False, utf8, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
        title = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(count));
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(d->display, window, &name) && name) {
        title = QString::fromLocal8Bit(name);
        XFree(name);
    }
    return title;
}

std::vector<TXWindow> TXDriver::Windows() {
    std::vector<TXWindow> found;
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d->display, d->root, &rootReturn, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!viewable(d->display, children[i], attributes))
            continue;
        TXWindow window;
        window.Id = children[i];
        window.Title = Title(children[i]);
        window.Geometry = QRect(attributes.x, attributes.y, attributes.width, attributes.height);
        window.Popup = attributes.override_redirect;
        found.push_back(window);
    }
    if (children)
        XFree(children);
    return found;
}

std::optional<TXWindow> TXDriver::WindowTitled(const QString& title) {
    const auto windows = Windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (!it->Popup && it->Title == title)
            return *it;
    return std::nullopt;
}

std::optional<TXWindow> TXDriver::WindowTitleContaining(const QString& part) {
    const auto windows = Windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (!it->Popup && it->Title.contains(part))
            return *it;
    return std::nullopt;
}

std::optional<TXWindow> TXDriver::TopPopup() {
    const auto windows = Windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (it->Popup && it->Geometry.width() > 8 && it->Geometry.height() > 8)
            return *it;
    return std::nullopt;
}

unsigned long TXDriver::FocusWindow() {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(d->display, &focus, &revert);
    return focus;
}

void TXDriver::handleFocusEvents() {
    while (XPending(d->display)) {
        XEvent event;
        XNextEvent(d->display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect &&
            event.xmap.event == d->root) {
            const Window window = event.xmap.window;
            Window owner = 0;
            XGetTransientForHint(d->display, window, &owner);
            d->owners[window] = owner;
            // A new window gets the focus, as window managers give it.
            XSetInputFocus(d->display, window, RevertToParent, CurrentTime);
        } else if ((event.type == UnmapNotify && event.xunmap.event == d->root) ||
                   (event.type == DestroyNotify && event.xdestroywindow.event == d->root)) {
            const Window window =
                event.type == UnmapNotify ? event.xunmap.window : event.xdestroywindow.window;
            const auto known = d->owners.find(window);
            if (known == d->owners.end())
                continue;
            const Window owner = known->second;
            d->owners.erase(known);
            const Window focus = FocusWindow();
            if (focus != window && focus != PointerRoot && focus != 0 && focus != d->root)
                continue;
            // The closing window hands the focus to the window it belongs to, else to the
            // topmost window left.
            XWindowAttributes attributes;
            Window next = 0;
            if (owner && viewable(d->display, owner, attributes))
                next = owner;
            else
                for (const TXWindow& candidate : Windows())
                    if (!candidate.Popup && d->owners.count(candidate.Id))
                        next = candidate.Id;
            if (next)
                XSetInputFocus(d->display, next, RevertToParent, CurrentTime);
        }
    }
    // Nor does a window manager leave the focus nowhere while windows are open (the program
    // may drop it after the notices above were handled).
    const Window focus = FocusWindow();
    if (focus == PointerRoot || focus == 0 || focus == d->root) {
        Window next = 0;
        for (const TXWindow& candidate : Windows())
            if (!candidate.Popup && d->owners.count(candidate.Id))
                next = candidate.Id;
        if (next)
            XSetInputFocus(d->display, next, RevertToParent, CurrentTime);
    }
    XFlush(d->display);
}

bool TXDriver::WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        handleFocusEvents();
        if (condition())
            return true;
        if (clock.elapsed() > milliseconds)
            return false;
        QThread::msleep(25);
    }
}

QImage TXDriver::SettledShot(const QRect& area, int quietMs, int milliseconds) {
    QImage last = Shot(area);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        WaitUntil([] { return false; }, quietMs);
        QImage now = Shot(area);
        if (now == last)
            return now;
        last = now;
    }
    return last;
}

void TXDriver::focusClickedWindow(QPoint point) {
    // Click to focus: a click on a window that does not have the focus gives it the focus,
    // unless a menu is open (it holds the pointer).
    handleFocusEvents();
    if (TopPopup())
        return;
    const auto windows = Windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (it->Popup || !it->Geometry.contains(point))
            continue;
        if (FocusWindow() != it->Id) {
            XRaiseWindow(d->display, it->Id);
            XSetInputFocus(d->display, it->Id, RevertToParent, CurrentTime);
        }
        break;
    }
    XFlush(d->display);
}

void TXDriver::MoveTo(QPoint point) {
    XTestFakeMotionEvent(d->display, -1, point.x(), point.y(), CurrentTime);
    XFlush(d->display);
}

void TXDriver::Press(QPoint point, int button) {
    MoveTo(point);
    focusClickedWindow(point);
    XTestFakeButtonEvent(d->display, static_cast<unsigned>(button), True, CurrentTime);
    XFlush(d->display);
}

void TXDriver::Release(QPoint point, int button) {
    MoveTo(point);
    XTestFakeButtonEvent(d->display, static_cast<unsigned>(button), False, CurrentTime);
    XFlush(d->display);
}

void TXDriver::Click(QPoint point, int button) {
    Press(point, button);
    QThread::msleep(30);
    Release(point, button);
}

void TXDriver::Drag(QPoint from, QPoint to, int button) {
    Press(from, button);
    QThread::msleep(100);
    const int steps = 20;
    for (int i = 1; i <= steps; ++i) {
        MoveTo(from + (to - from) * i / steps);
        QThread::msleep(40);
    }
    QThread::msleep(150);
    Release(to, button);
}

void TXDriver::pressKeysym(unsigned long keysym, bool down) {
    const KeyCode code = XKeysymToKeycode(d->display, keysym);
    if (!code)
        throw std::runtime_error("no key for a keysym");
    XTestFakeKeyEvent(d->display, code, down, CurrentTime);
}

void TXDriver::Key(const QString& combination) {
    std::vector<KeySym> keys;
    for (const QString& name : combination.split(u'+')) {
        QString symbol = name;
        if (name == QStringLiteral("ctrl"))
            symbol = QStringLiteral("Control_L");
        else if (name == QStringLiteral("alt"))
            symbol = QStringLiteral("Alt_L");
        else if (name == QStringLiteral("shift"))
            symbol = QStringLiteral("Shift_L");
        const KeySym keysym = XStringToKeysym(symbol.toLatin1().constData());
        if (keysym == NoSymbol)
            throw std::runtime_error("unknown key name " + symbol.toStdString());
        keys.push_back(keysym);
    }
    for (const KeySym key : keys)
        pressKeysym(key, true);
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        pressKeysym(*it, false);
    XFlush(d->display);
    QThread::msleep(30);
}

void TXDriver::Type(const QString& text) {
    for (const QChar c : text) {
        const KeySym keysym = c.unicode() < 0x100 ? c.unicode() : 0x01000000 + c.unicode();
        const KeyCode code = XKeysymToKeycode(d->display, keysym);
        if (!code)
            throw std::runtime_error("no key types this character");
        const bool shifted = XkbKeycodeToKeysym(d->display, code, 0, 0) != keysym;
        if (shifted)
            pressKeysym(XK_Shift_L, true);
        XTestFakeKeyEvent(d->display, code, True, CurrentTime);
        XTestFakeKeyEvent(d->display, code, False, CurrentTime);
        if (shifted)
            pressKeysym(XK_Shift_L, false);
        XFlush(d->display);
        QThread::msleep(10);
    }
}

QRect TXDriver::ScreenRect() {
    XWindowAttributes attributes;
    XGetWindowAttributes(d->display, d->root, &attributes);
    return QRect(0, 0, attributes.width, attributes.height);
}

QImage TXDriver::Shot(const QRect& area) {
    const QRect rect = (area.isNull() ? ScreenRect() : area).intersected(ScreenRect());
    if (rect.isEmpty())
        return {};
    XImage* image =
        XGetImage(d->display, d->root, rect.x(), rect.y(), static_cast<unsigned>(rect.width()),
                  static_cast<unsigned>(rect.height()), AllPlanes, ZPixmap);
    if (!image)
        return {};
    QImage picture(rect.size(), QImage::Format_RGB32);
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x)
            picture.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y)) | 0xff000000u);
    XDestroyImage(image);
    return picture;
}

void TXDriver::MoveWindow(unsigned long window, QPoint position) {
    XMoveWindow(d->display, window, position.x(), position.y());
    XFlush(d->display);
}

void TXDriver::SaveShot(const QString& path) {
    Shot().save(path);
}
