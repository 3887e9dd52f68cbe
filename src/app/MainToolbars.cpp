#include "MainToolbars.h"

#include "Docks.h"
#include "GlyphPushButton.h"
#include "MainMenus.h"
#include "OfficeMenus.h"
#include "PixelArtIcon.h"
#include "Pictures.h"
#include "ProgramPictures.h"
#include "ToolbarButtons.h"
#include "ToolbarSep.h"
#include "Toolbars.h"

#include <QImage>

namespace {

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
TToolbarButton* glyphButton(TToolbar* bar, const QString& hint, TPicture picture, bool enabled) {
    auto* button = new TToolbarButton(bar);
    button->resize(25, 25);
    button->setHint(hint);
    button->setShowHint(true);
    button->setGlyph(ProgramPictures::load(picture));
    button->setNumGlyphs(ProgramPictures::imageCount(picture));
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
    const QImage strip = ProgramPictures::load(TPicture::ToolbarNew);
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

// The toolbars order their controls by position when they finish loading: place the controls
// one after another in the order they were made.
void placeInOrder(TToolbar* bar) {
    int x = 0;
    for (QObject* child : bar->children())
        if (auto* control = qobject_cast<QWidget*>(child); control && !control->isWindow()) {
            control->move(x, 0);
            x += control->width();
        }
}

} // namespace

TMainToolbars CreateMainToolbars(TDock* topDock, const TMainMenus& menus) {
    TMainToolbars t{};

    t.MenuBar = new TToolbar(topDock);
    t.MenuBar->BeginLoading();
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
    t.Toolbar->BeginLoading();
    t.Toolbar->setCaption(QStringLiteral("Standard Toolbar"));
    t.Toolbar->setCloseButton(true);
    t.Toolbar->setDragHandleStyle(TDragHandleStyle::dhSingle);
    t.Toolbar->setDockRow(1);
    t.Toolbar->setDockPos(0);
    TToolbar* bar = t.Toolbar;
    t.NewBtn = newButton(bar);
    t.OpenBtn = glyphButton(bar, QStringLiteral("Open"), TPicture::ToolbarOpen, true);
    t.SaveBtn = glyphButton(bar, QStringLiteral("Save"), TPicture::ToolbarSave, true);
    separator(bar);
    t.AddBtn = glyphButton(bar, QStringLiteral("Add Scenario"), TPicture::ToolbarAdd, false);
    t.RemoveBtn = glyphButton(bar, QStringLiteral("Remove Scenario"), TPicture::ToolbarRemove, false);
    separator(bar);
    t.ReplaceBtn =
        glyphButton(bar, QStringLiteral("Replace Scenario"), TPicture::ToolbarReplace, false);
    t.InsertBtn =
        glyphButton(bar, QStringLiteral("Insert Scenario After..."), TPicture::ToolbarInsert, false);
    separator(bar);
    t.SaveScnBtn =
        glyphButton(bar, QStringLiteral("Save Scenario To Disk"), TPicture::ToolbarSaveScn, false);
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

    t.OptionsBtn = glyphButton(bar, QStringLiteral("Options"), TPicture::ToolbarOptions, true);
    separator(bar);
    t.LargeIconsBtn =
        glyphButton(bar, QStringLiteral("Large Icons"), TPicture::ToolbarLargeIcons, true);
    t.SmallIconsBtn =
        glyphButton(bar, QStringLiteral("Small Icons"), TPicture::ToolbarSmallIcons, true);
    t.ListBtn = glyphButton(bar, QStringLiteral("List"), TPicture::ToolbarList, true);
    t.DetailsBtn = glyphButton(bar, QStringLiteral("Details"), TPicture::ToolbarDetails, true);
    for (TToolbarButton* view : {t.LargeIconsBtn, t.SmallIconsBtn, t.ListBtn, t.DetailsBtn}) {
        view->setGroupIndex(1);
        view->setAllowAllUp(false);
    }
    t.DetailsBtn->setDown(true);
    separator(bar);
    t.HelpBtn = glyphButton(bar, QStringLiteral("Help"), TPicture::ToolbarHelp, true);

    placeInOrder(t.MenuBar);
    placeInOrder(t.Toolbar);
    t.MenuBar->Loaded();
    t.Toolbar->Loaded();
    return t;
}
