#pragma once

#include "ChromeContext.h"
#include "Docks.h"
#include "FloatingWindowParent.h"
#include "ToolbarSep.h"
#include "Toolbars.h"

#include <QEvent>
#include <QImage>
#include <QWidget>
#include <memory>

// A form with the four docks around a client widget, shown on the offscreen screen at a known
// place; or, given a shown `host` window, a 600 x 400 area with docks at the host's top-left.
// The form carries a chrome context of its own.
struct DockedForm {
    TChromeContext context;
    std::unique_ptr<QWidget> form;
    TDock* top = nullptr;
    TDock* bottom = nullptr;
    TDock* left = nullptr;
    TDock* right = nullptr;
    QWidget* client = nullptr;

    explicit DockedForm(QWidget* host = nullptr);
    ~DockedForm();
};

// The fixtures are built from the program's own controls: TToolbarButton and TToolbarSep.
// The main window's menu bar: full size, single handle, four caption buttons 19 high.
TToolbar* makeMenuBar(TDock* dock);
// The main window's standard toolbar: 25 x 25 glyph buttons, a 59-wide version button and
// separators; as at start-up, Add, Remove, Replace, Insert, Save Scenario and the version
// button (controls 4, 5, 7, 8, 10 and 12) are disabled.
TToolbar* makeStandardToolbar(TDock* dock);
// A toolbar of `count` enabled 25 x 25 glyph buttons without separators.
TToolbar* makeButtonBar(QWidget* parent, int count);

// Runs `action` (which enters a modal loop) after queueing the events that will drive that loop.
void postMouse(QWidget* target, QEvent::Type type, QPoint global,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void postKey(QWidget* target, QEvent::Type type, Qt::Key key);

inline QRgb pixelAt(const QImage& image, int x, int y) {
    return image.pixel(x, y);
}
