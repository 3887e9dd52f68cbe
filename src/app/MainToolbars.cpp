#include "MainToolbars.h"

#include "Docks.h"
#include "GlyphPushButton.h"
#include "MainMenus.h"
#include "MenuBarKeyboard.h"
#include "MenuItems.h"
#include "OfficeMenuPainter.h"
#include "OfficeMenus.h"
#include "Pictures.h"
#include "PixelArtIcon.h"
#include "ProgramPictures.h"
#include "ToolbarButtons.h"
#include "ToolbarKeyboard.h"
#include "ToolbarSep.h"
#include "Toolbars.h"

#include <QFontMetrics>
#include <QImage>
#include <algorithm>

namespace {

// Room beside a menu caption: the English captions fit their given widths with it, and a
// longer translated caption widens its button instead of being cut.
constexpr int MenuCaptionRoom = 12;

int menuButtonWidth(const QFontMetrics& metrics, const QString& caption, int givenWidth) {
    return std::max(givenWidth, metrics.horizontalAdvance(OfficeMenuPainter::displayedCaption(
                                    caption)) +
                                    MenuCaptionRoom);
}

TToolbarButton* menuButton(TToolbar* bar, const QString& caption, int width,
                           TOfficePopupMenu* menu) {
    auto* button = new TToolbarButton(bar);
    button->setCaption(caption);
    width = menuButtonWidth(button->fontMetrics(), caption, width);
    button->resize(width, 19);
    button->setDropdownArrow(false);
    button->setDropdownMenu(menu);
    // A menu bar's menu is named as its caption, as a menu added to Qt's menu bar by its title.
    menu->setAccessibleName(OfficeMenuPainter::displayedCaption(caption));
    return button;
}

// A 25 x 25 glyph button; pictures with a greyed image beside the normal one hold two cells.
TToolbarButton* glyphButton(TToolbar* bar, const TCommandRow& row) {
    auto* button = new TToolbarButton(bar);
    button->resize(25, 25);
    button->setHint(HintOf(row));
    button->setShowHint(true);
    button->setGlyph(ProgramPictures::load(*row.Picture));
    button->setNumGlyphs(ProgramPictures::imageCount(*row.Picture));
    // The buttons of the radio items of one group form one group, exactly one of them down.
    if (row.Check == TCheckStyle::Radio) {
        button->setGroupIndex(row.GroupIndex);
        button->setAllowAllUp(false);
    }
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
TGlyphPushButton* pushButton(TToolbar* bar, const TCommandRow& row) {
    const QImage strip = ProgramPictures::load(*row.Picture);
    const int cell = strip.width() / 2;
    auto* button = new TGlyphPushButton(bar);
    button->setFlat(true);
    button->setIcon(PixelArtIcon(transparentCell(strip, 0, cell), transparentCell(strip, 1, cell)));
    button->setIconSize(QSize(cell, strip.height()));
    button->setToolTip(HintOf(row));
    // The button shows no text, so a screen reader would find it nameless.
    button->setAccessibleName(HintOf(row));
    button->setFocusPolicy(Qt::NoFocus);
    button->resize(25, 25);
    return button;
}

// The version button: the version it shows, the version popup on its arrow part.
TToolbarButton* versionCombo(TToolbar* bar, const TCommandRow& row, const TMainMenus& menus) {
    auto* button = new TToolbarButton(bar);
    button->BeginLoading();
    button->setHint(HintOf(row));
    button->setShowHint(true);
    button->setCaption(QString::fromStdString(TCommandState{}.VersionText));
    button->setDropdownMenu(menus.VersionPopup);
    menus.VersionPopup->setAccessibleName(button->Hint());
    button->setDropdownAlways(true);
    button->setDropdownCombo(true);
    button->resize(59, 25);
    button->Loaded();
    return button;
}

QWidget* createControl(TToolbar* bar, const TCommandRow& row, const TMainMenus& menus) {
    TMenuItem* item = menus.Item(row.Id);
    if (row.Control == TToolbarControl::PushButton) {
        TGlyphPushButton* button = pushButton(bar, row);
        button->setDefaultItem(item);
        return button;
    }
    TToolbarButton* button = row.Control == TToolbarControl::VersionCombo
                                 ? versionCombo(bar, row, menus)
                                 : glyphButton(bar, row);
    button->setDefaultItem(item);
    return button;
}

} // namespace

TToolbarButton* TMainToolbars::Button(TCommandId id) const {
    return qobject_cast<TToolbarButton*>(Control(id));
}

TMainToolbars CreateMainToolbars(TDock* topDock, const TMainMenus& menus) {
    TMainToolbars t{};

    t.MenuBar = new TToolbar(topDock);
    // Each toolbar keeps its controls in the order they are made here and lays them out once,
    // when all are made.
    t.MenuBar->BeginUpdate();
    //: The caption of the toolbar that holds the menus, shown when it floats.
    t.MenuBar->setCaption(QCoreApplication::translate("MainToolbars", "Menu"));
    t.MenuBar->setCloseButton(false);
    t.MenuBar->setDragHandleStyle(TDragHandleStyle::dhSingle);
    t.MenuBar->setFullSize(true);
    t.MenuBar->setDockRow(0);
    t.MenuBar->setDockPos(0);
    t.FileMenuBtn = menuButton(t.MenuBar, QCoreApplication::translate("MainToolbars", "&File"), 33,
                               menus.FileMenu);
    t.EditMenuBtn = menuButton(t.MenuBar, QCoreApplication::translate("MainToolbars", "&Edit"), 33,
                               menus.EditMenu);
    t.ScenarioMenuBtn =
        menuButton(t.MenuBar, QCoreApplication::translate("MainToolbars", "&Scenario"), 55,
                   menus.ScenarioMenu);
    t.ViewMenuBtn = menuButton(t.MenuBar, QCoreApplication::translate("MainToolbars", "&View"), 33,
                               menus.ViewMenu);
    t.HelpMenuBtn = menuButton(t.MenuBar, QCoreApplication::translate("MainToolbars", "&Help"), 33,
                               menus.HelpMenu);
    TMenuBarKeyboard::Install(t.MenuBar);

    t.Toolbar = new TToolbar(topDock);
    t.Toolbar->BeginUpdate();
    t.Toolbar->setCaption(QCoreApplication::translate("MainToolbars", "Standard Toolbar"));
    t.Toolbar->setCloseButton(true);
    t.Toolbar->setDragHandleStyle(TDragHandleStyle::dhSingle);
    t.Toolbar->setDockRow(1);
    t.Toolbar->setDockPos(0);
    for (const std::optional<TCommandId>& id : MainToolbarOrder()) {
        if (id)
            t.Controls[static_cast<std::size_t>(*id)] =
                createControl(t.Toolbar, CommandRow(*id), menus);
        else
            separator(t.Toolbar);
    }
    TToolbarKeyboard::Install(t.Toolbar);

    t.MenuBar->EndUpdate();
    t.Toolbar->EndUpdate();
    return t;
}
