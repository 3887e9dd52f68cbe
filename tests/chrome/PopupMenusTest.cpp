#include "ChromeContext.h"
#include "GlyphStrip.h"
#include "MenuItems.h"
#include "OfficeMenuPainter.h"
#include "OfficeMenus.h"
#include "OwnerDrawMenuHook.h"
#include "OwnerDrawMenuStyle.h"
#include "PopupTestSupport.h"
#include "SystemColors.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QRgb OpenGlyphColour = qRgb(0, 160, 0);

QImage stripWithOpenGlyph() {
    QImage strip(357, 21, QImage::Format_RGB32);
    strip.fill(qRgb(255, 0, 255));
    QPainter painter(&strip);
    painter.fillRect(21 + 4, 4, 13, 13, OpenGlyphColour);
    return strip;
}

class OfficeMenu : public ::testing::Test {
protected:
    void SetUp() override {
        m_strip.setPicture(stripWithOpenGlyph());
        m_strip.setCols(17);
        m_menu.setGlyphs(&m_strip);
        m_new = m_menu.AddItem("&New", 1);
        m_open = m_menu.AddItem("&Open...", 2);
        m_saveAs = m_menu.AddItem("Save &As...");
        m_separator = m_menu.AddItem("-");
        m_exit = m_menu.AddItem("E&xit");
        for (TMenuItem* item : m_menu.Items())
            QObject::connect(item, &TMenuItem::OnClick, [this](TMenuItem* sender) { m_clicked = sender; });
    }

    void TearDown() override { closeAllPopups(); }

    TGlyphStrip m_strip;
    TOfficePopupMenu m_menu;
    TMenuItem* m_new = nullptr;
    TMenuItem* m_open = nullptr;
    TMenuItem* m_saveAs = nullptr;
    TMenuItem* m_separator = nullptr;
    TMenuItem* m_exit = nullptr;
    TMenuItem* m_clicked = nullptr;
};

} // namespace

TEST_F(OfficeMenu, ChosenItemRunsAfterPopupReturns) {
    bool returnedBeforeClick = false;
    whenPopupShown([](QMenu* menu) { QTest::keyClick(menu, Qt::Key_O); });
    m_menu.Popup(100, 100);
    returnedBeforeClick = m_clicked == nullptr;
    EXPECT_TRUE(returnedBeforeClick);
    EXPECT_EQ(OwnerDrawMenuHook::currentMenu(), nullptr);
    EXPECT_EQ(OwnerDrawMenuHook::lastMenu(), &m_menu);
    EXPECT_TRUE(OwnerDrawMenuHook::commandPending());
    QCoreApplication::processEvents();
    EXPECT_EQ(m_clicked, m_open);
    EXPECT_FALSE(OwnerDrawMenuHook::commandPending());
}

TEST_F(OfficeMenu, ChosenCheckableItemTogglesOnceBeforeItsHandler) {
    m_saveAs->setCheckable(true);
    bool checkedInHandler = false;
    QObject::connect(m_saveAs, &TMenuItem::OnClick, [&] { checkedInHandler = m_saveAs->isChecked(); });
    whenPopupShown([](QMenu* menu) { QTest::keyClick(menu, Qt::Key_A); });
    m_menu.Popup(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_clicked, m_saveAs);
    EXPECT_TRUE(checkedInHandler);
    EXPECT_TRUE(m_saveAs->isChecked());
}

TEST_F(OfficeMenu, ClosingWithoutChoiceRunsNothing) {
    whenPopupShown([](QMenu* menu) { QTest::keyClick(menu, Qt::Key_Escape); });
    m_menu.Popup(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_clicked, nullptr);
}

TEST_F(OfficeMenu, EveryItemIsTwentyOnePixelsHighAndAsWideAsTheWidest) {
    QSize hint;
    QList<QRect> rects;
    whenPopupShown([&](QMenu* menu) {
        hint = menu->size();
        for (QAction* action : menu->actions())
            rects.append(menu->actionGeometry(action));
        menu->close();
    });
    m_menu.Popup(100, 100);
    const QFontMetrics metrics(m_menu.font());
    const int widest = metrics.horizontalAdvance("Save As...") + 42;
    ASSERT_EQ(rects.size(), 5);
    const int inset = TOwnerDrawMenuStyle::FrameWidth + TOwnerDrawMenuStyle::Margin;
    for (int i = 0; i < rects.size(); ++i) {
        EXPECT_EQ(rects[i].height(), 21) << i;
        EXPECT_EQ(rects[i].top(), inset + 21 * i) << i;
        EXPECT_EQ(rects[i].left(), inset);
        EXPECT_EQ(rects[i].width(), widest) << i;
    }
    EXPECT_EQ(hint.height(), 5 * 21 + 2 * inset);
    EXPECT_GE(hint.width(), widest + 2 * inset);
}

TEST_F(OfficeMenu, SelectedItemIsDrawnWithHighlightAndFramedGlyph) {
    QImage shot;
    QRect openRect;
    whenPopupShown([&](QMenu* menu) {
        menu->setActiveAction(m_open);
        openRect = menu->actionGeometry(m_open);
        shot = menu->grab().toImage();
        menu->close();
    });
    m_menu.Popup(100, 100);
    ASSERT_FALSE(shot.isNull());
    const int l = openRect.left();
    const int t = openRect.top();
    EXPECT_EQ(shot.pixel(l + 10, t + 10), OpenGlyphColour);
    EXPECT_EQ(shot.pixel(l, t + 5), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(shot.pixel(l + 20, t + 5), SystemColors::btnShadow().rgb());
    EXPECT_EQ(shot.pixel(l + 22, t + 1), SystemColors::highlight().rgb());
    const QRect newRect = m_menu.actionGeometry(m_new);
    EXPECT_EQ(shot.pixel(newRect.left() + 22, newRect.top() + 1), SystemColors::btnFace().rgb());
}

TEST_F(OfficeMenu, HighlightedItemSetsTheApplicationEvents) {
    TChromeContext application;
    application.attachTo(qApp);
    m_open->setHint("Opens a campaign");
    whenPopupShown([&](QMenu* menu) {
        menu->setActiveAction(m_open);
        menu->close();
    });
    m_menu.Popup(100, 100);
    EXPECT_EQ(application.events().Hint(), "Opens a campaign");
}

TEST_F(OfficeMenu, PopupHonoursAlignmentAndIgnoresASecondPopup) {
    QRect geometry;
    bool nestedReturned = false;
    m_menu.setAlignment(TPopupAlignment::paRight);
    whenPopupShown([&](QMenu* menu) {
        geometry = menu->geometry();
        m_menu.Popup(10, 10);
        nestedReturned = true;
        menu->close();
    });
    m_menu.Popup(500, 200);
    EXPECT_TRUE(nestedReturned);
    EXPECT_EQ(geometry.right() + 1, 500);
    EXPECT_EQ(geometry.top(), 200);

    m_menu.setAlignment(TPopupAlignment::paCenter);
    whenPopupShown([&](QMenu* menu) {
        geometry = menu->geometry();
        menu->close();
    });
    m_menu.Popup(400, 200);
    EXPECT_EQ(geometry.left(), 400 - geometry.width() / 2);
}

TEST(OfficeSubmenu, SetToVersionOpensItsThreeItems) {
    TOfficePopupMenu scenario;
    scenario.AddItem("&Add", 4)->setEnabled(false);
    TMenuItem* version = scenario.AddItem("&Set to Version...");
    TOwnerDrawPopupMenu* submenu = scenario.AddSubmenu(version);
    submenu->AddItem("Quorvane - &Trial Version (1.10)");
    submenu->AddItem("&Quorvane (1.11)");
    TMenuItem* meltharn = submenu->AddItem("&Meltharn (1.18)");
    TMenuItem* clicked = nullptr;
    QObject::connect(meltharn, &TMenuItem::OnClick, [&](TMenuItem* sender) { clicked = sender; });
    EXPECT_EQ(scenario.FindItem(meltharn->Command()), meltharn);

    int submenuItems = 0;
    int submenuItemHeight = 0;
    whenPopupShown([&](QMenu* menu) {
        QTest::keyClick(menu, Qt::Key_S);
        whenPopupShown(
            [&](QMenu* sub) {
                submenuItems = int(sub->actions().size());
                submenuItemHeight = sub->actionGeometry(sub->actions().first()).height();
                QTest::keyClick(sub, Qt::Key_M);
            },
            menu);
    });
    scenario.Popup(50, 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(submenuItems, 3);
    EXPECT_EQ(submenuItemHeight, 21);
    EXPECT_EQ(clicked, meltharn);
    closeAllPopups();
}

namespace {

// The View menu's four radio items, in group 2.
QList<TMenuItem*> addViewItems(TOfficePopupMenu& view) {
    QList<TMenuItem*> radios;
    for (const char* caption : {"Lar&ge Icons", "S&mall Icons", "&List", "&Detials"}) {
        TMenuItem* item = view.AddItem(caption);
        item->setGroupIndex(2);
        item->setRadioItem(true);
        radios.append(item);
    }
    return radios;
}

} // namespace

TEST(MenuItemChecks, RadioItemsUncheckOnlyTheirGroup) {
    TOfficePopupMenu view;
    TMenuItem* statusBar = view.AddItem("Status &Bar");
    statusBar->setGroupIndex(2);
    statusBar->setCheckable(true);
    statusBar->setChecked(true);
    const QList<TMenuItem*> radios = addViewItems(view);
    radios[3]->setChecked(true);
    radios[1]->setChecked(true);
    EXPECT_FALSE(radios[3]->isChecked());
    EXPECT_TRUE(radios[1]->isChecked());
    EXPECT_TRUE(statusBar->isChecked()) << "only radio items are unchecked";
    radios[1]->setChecked(true);
    EXPECT_TRUE(radios[1]->isChecked());
}

TEST(MenuItemChecks, QtsOwnSetCheckedKeepsTheRadioGroupRight) {
    TOfficePopupMenu view;
    const QList<TMenuItem*> radios = addViewItems(view);
    radios[3]->setChecked(true);
    QAction* list = radios[2];
    list->setChecked(true);
    EXPECT_TRUE(radios[2]->isChecked()) << "the item's mark is QAction's checked state";
    EXPECT_FALSE(radios[3]->isChecked()) << "checking through QAction unchecks the siblings";

    int clicks = 0;
    QObject::connect(radios[2], &TMenuItem::OnClick, [&clicks] { ++clicks; });
    radios[2]->Click();
    EXPECT_TRUE(radios[2]->isChecked()) << "choosing the checked radio item leaves it checked";
    EXPECT_EQ(clicks, 1);
    TMenuItem* toolbar = view.AddItem("&Toolbar");
    toolbar->setCheckable(true);
    toolbar->Click();
    EXPECT_TRUE(toolbar->isChecked()) << "choosing a checkable item toggles it";
    toolbar->Click();
    EXPECT_FALSE(toolbar->isChecked());
}

TEST(MenuHook, DestroyedMenusAreUncounted) {
    const int before = OwnerDrawMenuHook::menuCount();
    {
        TOfficePopupMenu first;
        TOfficePopupMenu second;
        EXPECT_EQ(OwnerDrawMenuHook::menuCount(), before + 2);
    }
    EXPECT_EQ(OwnerDrawMenuHook::menuCount(), before);
}

TEST(MenuGlyphs, StripIsClearedWhenDestroyed) {
    TOfficePopupMenu menu;
    {
        TGlyphStrip strip;
        menu.setGlyphs(&strip);
        EXPECT_EQ(menu.Glyphs(), &strip);
    }
    EXPECT_EQ(menu.Glyphs(), nullptr);
}

TEST(OfficeMenuKeyboard, DisabledItemSelectedByKeyboardKeepsButtonFace) {
    TOfficePopupMenu scenario;
    TMenuItem* add = scenario.AddItem("&Add", 4);
    add->setEnabled(false);
    scenario.AddItem("&Remove", 5)->setEnabled(false);
    QAction* active = nullptr;
    QImage shot;
    QRect addRect;
    whenPopupShown([&](QMenu* menu) {
        QTest::keyClick(menu, Qt::Key_Down);
        active = menu->activeAction();
        addRect = menu->actionGeometry(add);
        shot = menu->grab().toImage();
        menu->close();
    });
    scenario.Popup(60, 60);
    EXPECT_EQ(active, add) << "disabled items can be selected with the keyboard";
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.pixel(addRect.right() - 2, addRect.top() + 1), SystemColors::btnFace().rgb());
}

TEST(OwnerDrawnMenu, PlatformDrawsWhenNotOwnerDrawn) {
    TOfficePopupMenu menu;
    menu.AddItem("&New", 1);
    menu.AddItem("-");
    menu.setOwnerDrawn(false);
    EXPECT_FALSE(menu.drawsItself());
    int separatorHeight = 0;
    whenPopupShown([&](QMenu* popup) {
        separatorHeight = popup->actionGeometry(popup->actions().at(1)).height();
        popup->close();
    });
    menu.Popup(60, 60);
    EXPECT_NE(separatorHeight, 21);
    EXPECT_GT(separatorHeight, 0);
}

TEST(OfficeMenuMouse, RightButtonChoosesAnItemToo) {
    TOfficePopupMenu menu;
    menu.AddItem("&New", 1);
    TMenuItem* open = menu.AddItem("&Open...", 2);
    TMenuItem* clicked = nullptr;
    QObject::connect(open, &TMenuItem::OnClick, [&](TMenuItem* sender) { clicked = sender; });
    whenPopupShown([&](QMenu* popup) {
        const QPoint centre = popup->actionGeometry(open).center();
        QTest::mouseMove(popup, centre);
        QTest::mouseClick(popup, Qt::RightButton, {}, centre);
    });
    menu.Popup(80, 80);
    closeAllPopups();
    QCoreApplication::processEvents();
    EXPECT_EQ(clicked, open);
}
