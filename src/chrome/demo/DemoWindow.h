#pragma once

#include "DemoMenus.h"
#include "ProgramPictures.h"

#include <QWidget>

class TChromeContext;
class QLabel;
class QVBoxLayout;
class TToolbarButton;

// A window with a menu bar of caption buttons, a toolbar of the program's picture buttons
// (the view group and the version combo included) and a status line showing the hint and the
// last command, to try the chrome by hand and to take screenshots of it. The window carries the
// chrome context it is given.
class TDemoWindow : public QWidget {
    Q_OBJECT

public:
    explicit TDemoWindow(TChromeContext& context);

    const TDemoMenus& menus() const { return m_menus; }
    QList<TOfficePopupMenu*> allMenus() const;

private:
    QWidget* makeMenuBar();
    QWidget* makeToolbar();
    TToolbarButton* addPictureButton(QWidget* bar, int& x, TPicture picture, const QString& hint, bool enabled);
    void addSeparator(int& x);
    void wireItems();
    void report(const QString& what);

    TGlyphStrip* m_glyphs;
    TDemoMenus m_menus;
    QWidget* m_toolbar = nullptr;
    QLabel* m_status = nullptr;
};
