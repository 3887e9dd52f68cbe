#include "MainToolbars.h"

#include "Docks.h"
#include "GlyphPushButton.h"
#include "MainMenus.h"
#include "OfficeMenus.h"
#include "PixelArtIcon.h"
#include "Pictures.h"
#include "ToolbarButtons.h"
#include "ToolbarSep.h"
#include "Toolbars.h"

#include <QImage>

namespace {

QImage picture(const char* name) {
    return QImage(QStringLiteral(":/pictures/") + QString::fromLatin1(name) +
                  QStringLiteral(".png"));
}

TToolbarButton* menuButton(TToolbar* bar, const QString& caption, int width,
                           TOfficePopupMenu* menu) {
    auto* button = new TToolbarButton(bar);
    button->setCaption(caption);
    button->resize(width, 19);
    button->setDropdownArrow(false);
    button->setDropdownMenu(menu);
    return button;
}

// A 25 x 25 glyph button; pictures with a greyed image beside the normal one hold two cells.
TToolbarButton* glyphButton(TToolbar* bar, const QString& hint, const char* pictureName,
                            int numGlyphs, bool enabled) {
    auto* button = new TToolbarButton(bar);
    button->resize(25, 25);
    button->setHint(hint);
    button->setShowHint(true);
    button->setGlyph(picture(pictureName));
    button->setNumGlyphs(numGlyphs);
    button->setEnabled(enabled);
    return button;
}

void separator(TToolbar* bar) {
    new TToolbarSep(bar);
}

// A cell of a picture strip, its background transparent.
QPixmap transparentCell(const QImage& strip, int cell, int cellWidth) {
    return TransparentPixmap(strip.copy(cell * cellWidth, 0, cellWidth, strip.height()));
}

// New is the toolkit's own flat push button, with its greyed picture for the disabled state.
QPushButton* newButton(TToolbar* bar) {
    const QImage strip = picture("toolbar-new");
    const int cell = strip.width() / 2;
    auto* button = new TGlyphPushButton(bar);
    button->setFlat(true);
    button->setIcon(PixelArtIcon(transparentCell(strip, 0, cell), transparentCell(strip, 1, cell)));
    button->setIconSize(QSize(cell, strip.height()));
    button->setToolTip(QStringLiteral("New"));
    button->setFocusPolicy(Qt::NoFocus);
    button->resize(25, 25);
    return button;
}

} // namespace

TMainToolbars CreateMainToolbars(TDock* topDock, const TMainMenus& menus) {
    TMainToolbars t{};

    t.MenuBar = new TToolbar(topDock);
    // Each toolbar keeps its controls in the order they are made here and lays them out once,
    // when all are made.
    t.MenuBar->BeginUpdate();
    t.MenuBar->setCaption(QStringLiteral("Menu"));
    t.MenuBar->setCloseButton(false);
    t.MenuBar->setDragHandleStyle(TDragHandleStyle::dhSingle);
    t.MenuBar->setFullSize(true);
    t.MenuBar->setDockRow(0);
    t.MenuBar->setDockPos(0);
    t.FileMenuBtn = menuButton(t.MenuBar, QStringLiteral("&File"), 33, menus.FileMenu);
    t.ScenarioMenuBtn = menuButton(t.MenuBar, QStringLiteral("&Scenario"), 55, menus.ScenarioMenu);
    t.ViewMenuBtn = menuButton(t.MenuBar, QStringLiteral("&View"), 33, menus.ViewMenu);
    t.HelpMenuBtn = menuButton(t.MenuBar, QStringLiteral("&Help"), 33, menus.HelpMenu);

    t.Toolbar = new TToolbar(topDock);
    t.Toolbar->BeginUpdate();
    t.Toolbar->setCaption(QStringLiteral("Standard Toolbar"));
    t.Toolbar->setCloseButton(true);
    t.Toolbar->setDragHandleStyle(TDragHandleStyle::dhSingle);
    t.Toolbar->setDockRow(1);
    t.Toolbar->setDockPos(0);
    TToolbar* bar = t.Toolbar;
    t.NewBtn = newButton(bar);
    t.OpenBtn = glyphButton(bar, QStringLiteral("Open"), "toolbar-open", 2, true);
    t.SaveBtn = glyphButton(bar, QStringLiteral("Save"), "toolbar-save", 2, true);
    separator(bar);
    t.AddBtn = glyphButton(bar, QStringLiteral("Add Scenario"), "toolbar-add", 2, false);
    t.RemoveBtn = glyphButton(bar, QStringLiteral("Remove Scenario"), "toolbar-remove", 2, false);
    separator(bar);
    t.ReplaceBtn =
        glyphButton(bar, QStringLiteral("Replace Scenario"), "toolbar-replace", 2, false);
    t.InsertBtn =
        glyphButton(bar, QStringLiteral("Insert Scenario After..."), "toolbar-insert", 2, false);
    separator(bar);
    t.SaveScnBtn =
        glyphButton(bar, QStringLiteral("Save Scenario To Disk"), "toolbar-savescn", 2, false);
    separator(bar);

    t.VersionBtn = new TToolbarButton(bar);
    t.VersionBtn->BeginLoading();
    t.VersionBtn->setHint(QStringLiteral("Set Scenario Version"));
    t.VersionBtn->setShowHint(true);
    t.VersionBtn->setCaption(QStringLiteral("1.11"));
    t.VersionBtn->setDropdownMenu(menus.VersionPopup);
    t.VersionBtn->setDropdownAlways(true);
    t.VersionBtn->setDropdownCombo(true);
    t.VersionBtn->resize(59, 25);
    t.VersionBtn->setEnabled(false);
    t.VersionBtn->Loaded();
    separator(bar);

    t.OptionsBtn = glyphButton(bar, QStringLiteral("Options"), "toolbar-options", 2, true);
    separator(bar);
    t.LargeIconsBtn =
        glyphButton(bar, QStringLiteral("Large Icons"), "toolbar-largeicons", 1, true);
    t.SmallIconsBtn =
        glyphButton(bar, QStringLiteral("Small Icons"), "toolbar-smallicons", 1, true);
    t.ListBtn = glyphButton(bar, QStringLiteral("List"), "toolbar-list", 1, true);
    t.DetailsBtn = glyphButton(bar, QStringLiteral("Details"), "toolbar-details", 1, true);
    for (TToolbarButton* view : {t.LargeIconsBtn, t.SmallIconsBtn, t.ListBtn, t.DetailsBtn}) {
        view->setGroupIndex(1);
        view->setAllowAllUp(false);
    }
    t.DetailsBtn->setDown(true);
    separator(bar);
    t.HelpBtn = glyphButton(bar, QStringLiteral("Help"), "toolbar-help", 2, true);

    t.MenuBar->EndUpdate();
    t.Toolbar->EndUpdate();
    return t;
}
