#pragma once

#include <QAccessibleWidget>

class QStatusBar;
class TDock;
class TFloatingWindowParent;

// The containers around the chrome's controls as assistive technology reads them.

// A dock: a pane named by the edge it holds its bars along ("Top dock").
class TDockAccessible : public QAccessibleWidget {
public:
    explicit TDockAccessible(TDock* dock);
    QString text(QAccessible::Text t) const override;
};

// The window a tool window floats in, named after the tool window.
class TFloatingHostAccessible : public QAccessibleWidget {
public:
    explicit TFloatingHostAccessible(TFloatingWindowParent* host);
    QString text(QAccessible::Text t) const override;
};

// A status bar whose name and value are the text it shows: its passing message, else the texts
// of its labels; with nothing shown its name is "Status Bar".
class TStatusBarAccessible : public QAccessibleWidget {
public:
    explicit TStatusBarAccessible(QStatusBar* statusBar);
    QString text(QAccessible::Text t) const override;

private:
    QString shownText() const;
};
