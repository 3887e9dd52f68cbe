#include "ButtonGeometry.h"
#include "ChromeContext.h"
#include "HotTracking.h"
#include "MenuItems.h"
#include "OfficeMenus.h"
#include "PopupTestSupport.h"
#include "SystemColors.h"
#include "ToolbarButtons.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using S = TButtonState;

class ToolbarButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_chrome.attachTo(&m_bar);
        m_bar.setGeometry(100, 100, 400, 80);
        m_bar.show();
        m_bar.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_bar));
        parkMouse(&m_bar);
    }

    void TearDown() override { closeAllPopups(); }

    TToolbarButton* button(int x, int width = 25, int height = 25) {
        auto* b = new TToolbarButton(&m_bar);
        b->setGeometry(x, 10, width, height);
        b->show();
        return b;
    }

    static int countClicks(TToolbarButton* b, int* counter) {
        QObject::connect(b, &TToolbarButton::OnClick, [counter] { ++*counter; });
        return 0;
    }

    TChromeContext m_chrome;
    // The buttons' parent: a plain window, not a toolbar (those are tested docked, with menus
    // opening away from their dock's edge, in the toolbar tests).
    QWidget m_bar;
};

QImage filledGlyph(int w, int h) {
    QImage glyph(w, h, QImage::Format_RGB32);
    glyph.fill(qRgb(255, 0, 255));
    return glyph;
}

} // namespace

TEST_F(ToolbarButtonTest, NewButtonDefaults) {
    TToolbarButton b(&m_bar);
    EXPECT_EQ(b.size(), QSize(23, 22));
    EXPECT_TRUE(b.Flat());
    EXPECT_TRUE(b.Opaque());
    EXPECT_TRUE(b.coversBackground());
    EXPECT_TRUE(b.DropdownArrow());
    EXPECT_EQ(b.DropdownArrowWidth(), 9);
    EXPECT_EQ(b.Spacing(), 4);
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.NumGlyphs(), 1);
    EXPECT_EQ(b.RepeatDelay(), 400);
    EXPECT_EQ(b.RepeatInterval(), 100);
    EXPECT_EQ(b.ImageIndex(), -1);
    EXPECT_EQ(b.Layout(), TButtonLayout::blGlyphLeft);
    EXPECT_EQ(b.DisplayMode(), TButtonDisplayMode::dmBoth);
    EXPECT_EQ(b.ButtonDrawState(), S::bsUp);
    ASSERT_NE(THotTracker::instance(), nullptr);
    EXPECT_EQ(THotTracker::instance()->timer().interval(), 125);
    b.setOpaque(false);
    EXPECT_FALSE(b.coversBackground());
    b.setFlat(false);
    EXPECT_TRUE(b.coversBackground());
    b.setMargin(-5);
    EXPECT_EQ(b.Margin(), -1);
    b.setNumGlyphs(0);
    EXPECT_EQ(b.NumGlyphs(), 1);
    b.setNumGlyphs(9);
    EXPECT_EQ(b.NumGlyphs(), 5);
    b.setDropdownArrowWidth(3);
    EXPECT_EQ(b.DropdownArrowWidth(), 7);
}

TEST_F(ToolbarButtonTest, StatesFollowTheMouse) {
    TToolbarButton* b = button(10);
    int clicks = 0;
    countClicks(b, &clicks);
    QTest::mouseMove(b, {12, 12});
    EXPECT_TRUE(b->MouseInControl());
    EXPECT_EQ(b->ButtonDrawState(), S::bsHot);
    QTest::mousePress(b, Qt::LeftButton, {}, {12, 12});
    EXPECT_EQ(b->ButtonDrawState(), S::bsDown);
    EXPECT_TRUE(b->Dragging());
    QTest::mouseMove(b, {40, 12});
    EXPECT_EQ(b->ButtonDrawState(), S::bsUp);
    QTest::mouseMove(b, {5, 5});
    EXPECT_EQ(b->ButtonDrawState(), S::bsDown);
    QTest::mouseRelease(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->Dragging());
    EXPECT_EQ(b->ButtonDrawState(), S::bsHot) << "the cursor is still on it";

    QTest::mousePress(b, Qt::LeftButton, {}, {12, 12});
    QTest::mouseMove(b, {40, 12});
    QTest::mouseRelease(b, Qt::LeftButton, {}, {40, 12});
    EXPECT_EQ(clicks, 1) << "released outside: no click";
    EXPECT_EQ(b->ButtonDrawState(), S::bsUp);
}

TEST_F(ToolbarButtonTest, HotTrackingMovesBetweenButtonsAndStopsOnDeactivation) {
    TToolbarButton* first = button(10);
    TToolbarButton* second = button(40);
    int exits = 0;
    QObject::connect(first, &TToolbarButton::OnMouseExit, [&] { ++exits; });
    QTest::mouseMove(first, {5, 5});
    EXPECT_EQ(THotTracker::instance()->hotButton(), first);
    EXPECT_TRUE(THotTracker::instance()->timer().isActive());
    QTest::mouseMove(second, {5, 5});
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(first->MouseInControl());
    EXPECT_EQ(THotTracker::instance()->hotButton(), second);

    QEvent deactivate(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(qApp, &deactivate);
    EXPECT_FALSE(second->MouseInControl());
    EXPECT_EQ(THotTracker::instance()->hotButton(), nullptr);

    second->setShowBorderWhenInactive(true);
    QTest::mouseMove(first, {5, 5});
    QTest::mouseMove(second, {6, 6});
    QCoreApplication::sendEvent(qApp, &deactivate);
    EXPECT_TRUE(second->MouseInControl()) << "ShowBorderWhenInactive keeps it hot";
}

TEST_F(ToolbarButtonTest, MovingOverAnotherWidgetMakesTheHotButtonLeave) {
    TToolbarButton* b = button(10);
    b->setHint("Open");
    QTest::mouseMove(b, {5, 5});
    ASSERT_TRUE(b->MouseInControl());
    EXPECT_EQ(m_chrome.events().Hint(), "Open");
    EXPECT_EQ(b->toolTip(), "Open");
    QTest::mouseMove(&m_bar, {300, 50});
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_EQ(m_chrome.events().Hint(), "");
    EXPECT_EQ(b->ButtonDrawState(), S::bsUp);
}

TEST_F(ToolbarButtonTest, SharedTimerMakesTheHotButtonLeaveOnceTheCursorHasLeftTheWindow) {
    TToolbarButton* b = button(10);
    QTest::mouseMove(b, {5, 5});
    ASSERT_TRUE(b->MouseInControl());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(m_bar.windowHandle(), &leave);
    EXPECT_TRUE(b->MouseInControl()) << "only the timer notices";
    QElapsedTimer clock;
    clock.start();
    while (b->MouseInControl() && clock.elapsed() < 3000)
        QTest::qWait(20);
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_FALSE(THotTracker::instance()->timer().isActive());
}

TEST_F(ToolbarButtonTest, GroupWithoutAllowAllUp) {
    TToolbarButton* a = button(10);
    TToolbarButton* b = button(40);
    TToolbarButton* c = button(70);
    for (TToolbarButton* x : {a, b, c})
        x->setGroupIndex(1);
    int aClicks = 0;
    countClicks(a, &aClicks);
    QTest::mouseClick(a, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->ButtonDrawState(), S::bsExclusive);
    QTest::mouseClick(a, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(a->Down()) << "the down button stays down";
    EXPECT_EQ(aClicks, 2);
    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->ButtonDrawState(), S::bsUp);
    b->setDown(false);
    EXPECT_TRUE(b->Down()) << "refused without AllowAllUp";
    c->setDown(true);
    EXPECT_TRUE(c->Down());
    EXPECT_FALSE(b->Down());
}

TEST_F(ToolbarButtonTest, GroupWithAllowAllUpSharedByMembers) {
    TToolbarButton* a = button(10);
    TToolbarButton* b = button(40);
    a->setGroupIndex(2);
    b->setGroupIndex(2);
    b->setAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp()) << "copied to the whole group";
    QTest::mouseClick(a, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(a->Down());
    QTest::mouseClick(a, Qt::LeftButton, {}, {5, 5});
    EXPECT_FALSE(a->Down());
    EXPECT_FALSE(b->Down());
}

TEST_F(ToolbarButtonTest, DownOnUngroupedButtonHasNoEffect) {
    TToolbarButton* b = button(10);
    b->setDown(true);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(b->ButtonDrawState(), S::bsUp);
}

TEST_F(ToolbarButtonTest, DoubleClickReachesOnDblClickOnlyWhenDown) {
    TToolbarButton* b = button(10);
    int doubles = 0;
    QObject::connect(b, &TToolbarButton::OnDblClick, [&] { ++doubles; });
    QTest::mouseDClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(doubles, 0);
    b->setGroupIndex(1);
    b->setDown(true);
    QTest::mouseDClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(doubles, 1);
}

TEST_F(ToolbarButtonTest, DropdownComboWidthChanges) {
    TToolbarButton* b = button(10, 25);
    b->setDropdownCombo(true);
    EXPECT_EQ(b->width(), 36);
    b->setDropdownCombo(false);
    EXPECT_EQ(b->width(), 25);
    TToolbarButton* tiny = button(60, 5);
    tiny->setDropdownCombo(true);
    tiny->resize(5, 25);
    tiny->setDropdownCombo(false);
    EXPECT_EQ(tiny->width(), 1);
    b->setDropdownCombo(true);
    b->setDropdownArrowWidth(12);
    EXPECT_EQ(b->width(), 39) << "the main part keeps its width";

    TToolbarButton* stored = button(100, 59);
    stored->BeginLoading();
    stored->setDropdownCombo(true);
    stored->setDropdownArrowWidth(11);
    stored->Loaded();
    EXPECT_EQ(stored->width(), 59) << "a stored width is taken as it is";
}

TEST_F(ToolbarButtonTest, ComboPressAtFortySevenClicksAtFortyEightOpensTheMenu) {
    TOfficePopupMenu menu;
    menu.AddItem("&Quorvane (1.11)");
    TToolbarButton* b = button(10, 48, 25);
    b->setDropdownMenu(&menu);
    b->setDropdownCombo(true);
    ASSERT_EQ(b->width(), 59);
    int clicks = 0;
    int dropdowns = 0;
    countClicks(b, &clicks);
    QObject::connect(b, &TToolbarButton::OnDropdown, [&](TToolbarButton*, bool&, bool&) { ++dropdowns; });

    QTest::mouseClick(b, Qt::LeftButton, {}, {47, 12});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dropdowns, 0);

    bool menuShown = false;
    bool arrowPressedWhileOpen = false;
    QImage shot;
    whenPopupShown([&](QMenu* popup) {
        menuShown = true;
        arrowPressedWhileOpen = b->MenuPressed() && b->ButtonDrawState() == S::bsDown;
        shot = b->grab().toImage();
        popup->close();
    });
    QTest::mouseClick(b, Qt::LeftButton, {}, {48, 12});
    EXPECT_TRUE(menuShown);
    EXPECT_TRUE(arrowPressedWhileOpen);
    ASSERT_FALSE(shot.isNull());
    // While the menu is open the arrow part (48 to 57) is sunken and the main part raised.
    EXPECT_EQ(shot.pixel(48, 5), SystemColors::btnShadow().rgb());
    EXPECT_EQ(shot.pixel(56, 5), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(shot.pixel(0, 5), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(shot.pixel(47, 5), SystemColors::btnShadow().rgb());
    EXPECT_EQ(clicks, 1) << "a combo's arrow does not click";
    EXPECT_EQ(dropdowns, 1);
    EXPECT_FALSE(b->MenuPressed());
    EXPECT_EQ(menu.PopupComponent(), b);
}

TEST_F(ToolbarButtonTest, DropdownOpensOnPressAndShowMenuCanBeRefused) {
    TOfficePopupMenu menu;
    menu.AddItem("&New");
    TToolbarButton* b = button(10, 33, 19);
    b->setCaption("&File");
    b->setDropdownMenu(&menu);
    EXPECT_TRUE(b->HasDropdown());
    int clicks = 0;
    countClicks(b, &clicks);
    bool shownBeforeRelease = false;
    whenPopupShown([&](QMenu* popup) {
        shownBeforeRelease = true;
        popup->close();
    });
    QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(shownBeforeRelease);
    EXPECT_EQ(clicks, 1) << "a plain drop-down also clicks";
    QTest::mouseRelease(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicks, 1);

    QObject::connect(b, &TToolbarButton::OnDropdown, [](TToolbarButton*, bool& showMenu, bool&) { showMenu = false; });
    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(ToolbarButtonTest, ClickThatClosesTheMenuDoesNotReopenIt) {
    TOfficePopupMenu menu;
    menu.AddItem("&New");
    TToolbarButton* b = button(10, 33, 19);
    b->setDropdownMenu(&menu);
    int shown = 0;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] { ++shown; });
    whenPopupShown([&](QMenu* popup) {
        const QPoint onButton = popup->mapFromGlobal(b->mapToGlobal(QPoint(5, 5)));
        QTest::mousePress(popup, Qt::LeftButton, {}, onButton);
    });
    QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(b, Qt::LeftButton, {}, {5, 5});
    QTest::qWait(20);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(ToolbarButtonTest, ClickOnAnotherControlWhileTheMenuIsOpenIsDelivered) {
    TOfficePopupMenu menu;
    menu.AddItem("&New");
    TToolbarButton* b = button(10, 33, 19);
    b->setDropdownMenu(&menu);
    auto* other = new QPushButton("Other", &m_bar);
    other->setGeometry(200, 10, 80, 25);
    other->show();
    int otherClicks = 0;
    QObject::connect(other, &QPushButton::clicked, [&] { ++otherClicks; });
    whenPopupShown([&](QMenu* popup) {
        QTest::mousePress(popup, Qt::LeftButton, {}, popup->mapFromGlobal(other->mapToGlobal(QPoint(10, 10))));
    });
    QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(b, Qt::LeftButton, {}, {5, 5});
    QCoreApplication::processEvents();
    EXPECT_TRUE(other->isDown()) << "the press reached the other control";
    QTest::mouseRelease(other, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(otherClicks, 1);
}

TEST_F(ToolbarButtonTest, MenuOpensAtTheBottomLeftOutsideADock) {
    TOfficePopupMenu menu;
    menu.AddItem("&Contents");
    TToolbarButton* b = button(10, 33, 19);
    b->setDropdownMenu(&menu);
    QRect placed;
    whenPopupShown([&](QMenu* popup) {
        placed = popup->geometry();
        popup->close();
    });
    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(placed.topLeft(), b->mapToGlobal(QPoint(0, 19)));
}

TEST_F(ToolbarButtonTest, ChosenMenuItemRunsAfterTheButtonClick) {
    TOfficePopupMenu menu;
    TMenuItem* item = menu.AddItem("&Meltharn (1.18)");
    TToolbarButton* b = button(10, 33, 19);
    b->setDropdownMenu(&menu);
    int chosen = 0;
    QObject::connect(item, &TMenuItem::OnClick, [&] { ++chosen; });
    whenPopupShown([](QMenu* popup) { QTest::keyClick(popup, Qt::Key_M); });
    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    QCoreApplication::processEvents();
    EXPECT_EQ(chosen, 1);
    EXPECT_NE(b->ButtonDrawState(), S::bsDown) << "the pressed look ends with the menu";
    EXPECT_FALSE(b->Clicking());
}

TEST_F(ToolbarButtonTest, DestroyedMenuIsCleared) {
    TToolbarButton* b = button(10);
    {
        TOfficePopupMenu menu;
        b->setDropdownMenu(&menu);
        EXPECT_TRUE(b->HasDropdown());
    }
    EXPECT_EQ(b->DropdownMenu(), nullptr);
    EXPECT_FALSE(b->HasDropdown());
    b->setDropdownAlways(true);
    EXPECT_TRUE(b->HasDropdown());
}

TEST_F(ToolbarButtonTest, FollowsItsDefaultItemUntilTheItemIsDestroyed) {
    TToolbarButton* b = button(10);
    b->setGroupIndex(1);
    int chosen = 0;
    {
        TMenuItem item(QStringLiteral("&Details"));
        item.setCheckable(true);
        item.setEnabled(false);
        QObject::connect(&item, &TMenuItem::OnClick, [&chosen] { ++chosen; });
        b->setDefaultItem(&item);
        EXPECT_EQ(b->defaultItem(), &item);
        EXPECT_FALSE(b->isEnabled());

        item.setEnabled(true);
        EXPECT_TRUE(b->isEnabled());
        item.setChecked(true);
        EXPECT_TRUE(b->Down());
        b->setAllowAllUp(true);
        item.setChecked(false);
        EXPECT_FALSE(b->Down());

        QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
        EXPECT_EQ(chosen, 1);
        EXPECT_TRUE(item.isChecked()) << "the click chose the item";
        EXPECT_TRUE(b->Down());
    }
    EXPECT_EQ(b->defaultItem(), nullptr);
    int clicks = 0;
    countClicks(b, &clicks);
    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicks, 1) << "the button works on without its item";
    EXPECT_EQ(chosen, 1);
}

TEST_F(ToolbarButtonTest, RepeatingClicksAtOnceThenAfterDelayAndStopsOutside) {
    TToolbarButton* b = button(10);
    b->setRepeating(true);
    int clicks = 0;
    countClicks(b, &clicks);
    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicks, 1);
    QTest::qWait(200);
    if (clock.elapsed() < 380) {
        EXPECT_EQ(clicks, 1) << "nothing before the 400 ms delay";
    }
    QTest::qWait(550);
    const qint64 held = clock.elapsed();
    EXPECT_GE(clicks, 3) << "after " << held << " ms";
    EXPECT_LE(clicks, 2 + (held - 400) / 100 + 1);
    QTest::mouseMove(b, {60, 5});
    const int outside = clicks;
    QTest::qWait(350);
    EXPECT_EQ(clicks, outside) << "no repeats while outside";
    QTest::mouseMove(b, {5, 5});
    QTest::qWait(350);
    EXPECT_GT(clicks, outside) << "moving back inside restarts the repeats";
    QTest::mouseRelease(b, Qt::LeftButton, {}, {5, 5});
    const int released = clicks;
    QTest::qWait(250);
    EXPECT_EQ(clicks, released) << "a release neither clicks nor repeats";
}

TEST_F(ToolbarButtonTest, NumGlyphsFromTheGlyphsShape) {
    TToolbarButton* b = button(10);
    b->setGlyph(filledGlyph(32, 16));
    EXPECT_EQ(b->NumGlyphs(), 2);
    b->setGlyph(filledGlyph(96, 16));
    EXPECT_EQ(b->NumGlyphs(), 1);
    b->setGlyph(filledGlyph(30, 16));
    EXPECT_EQ(b->NumGlyphs(), 1);
    b->setGlyph(filledGlyph(80, 16));
    EXPECT_EQ(b->NumGlyphs(), 5);
}

TEST_F(ToolbarButtonTest, DisabledGlyphIsEmbossedOnePixelLarger) {
    TToolbarButton* b = button(10, 23, 22);
    QImage glyph = filledGlyph(16, 16);
    glyph.setPixel(5, 5, qRgb(0, 0, 0));
    b->setGlyph(glyph);
    b->setEnabled(false);
    EXPECT_EQ(b->ButtonDrawState(), S::bsDisabled);
    const QImage shot = b->grab().toImage();
    // Content 21 x 20 inside the 1-pixel flat inset; the 16 x 16 glyph sits at (4, 3).
    EXPECT_EQ(shot.pixel(4 + 5, 3 + 5), SystemColors::btnShadow().rgb());
    EXPECT_EQ(shot.pixel(4 + 6, 3 + 6), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(shot.pixel(4 + 4, 3 + 4), SystemColors::btnFace().rgb());
    b->setEnabled(true);
    EXPECT_EQ(b->ButtonDrawState(), S::bsUp);
    const QImage enabled = b->grab().toImage();
    EXPECT_EQ(enabled.pixel(4 + 5, 3 + 5), qRgb(0, 0, 0));
    EXPECT_EQ(enabled.pixel(4 + 6, 3 + 6), SystemColors::btnFace().rgb());
}

TEST_F(ToolbarButtonTest, DisablingAHotButtonStopsTracking) {
    TToolbarButton* b = button(10);
    b->setGroupIndex(3);
    b->setDown(true);
    QTest::mouseMove(b, {5, 5});
    ASSERT_EQ(THotTracker::instance()->hotButton(), b);
    b->setEnabled(false);
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_EQ(THotTracker::instance()->hotButton(), nullptr);
    b->setEnabled(true);
    EXPECT_EQ(b->ButtonDrawState(), S::bsExclusive);
}

TEST_F(ToolbarButtonTest, FlatBorderOnlyWhenHotAndLatchedPatternWhenDown) {
    TToolbarButton* b = button(10, 25, 25);
    const QRgb face = SystemColors::btnFace().rgb();
    QImage shot = b->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), face);
    EXPECT_EQ(shot.pixel(24, 24), face);

    QTest::mouseMove(b, {12, 12});
    shot = b->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(shot.pixel(24, 24), SystemColors::btnShadow().rgb());

    b->setGroupIndex(1);
    b->setDown(true);
    QTest::mouseMove(&m_bar, {300, 60});
    shot = b->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), SystemColors::btnShadow().rgb()) << "sunken when down";
    EXPECT_EQ(shot.pixel(2, 2), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(shot.pixel(3, 2), face);
}

TEST_F(ToolbarButtonTest, FlatTransparentButtonShowsOnlyItsGlyphOverTheBackground) {
    QPalette red = m_bar.palette();
    red.setColor(QPalette::Window, QColor(200, 0, 0));
    m_bar.setPalette(red);
    m_bar.setAutoFillBackground(true);
    TToolbarButton* b = button(10, 25, 25);
    b->setOpaque(false);
    QImage glyph = filledGlyph(17, 17);
    glyph.setPixel(8, 8, qRgb(0, 0, 255));
    b->setGlyph(glyph);
    const QImage shot = m_bar.grab(b->geometry()).toImage();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(shot.pixel(24, 24), qRgb(200, 0, 0));
    EXPECT_EQ(shot.pixel(4, 4), qRgb(200, 0, 0)) << "the glyph's transparent colour";
    // Content 23 x 23 at (1, 1); the glyph at 1 + 3.
    EXPECT_EQ(shot.pixel(4 + 8, 4 + 8), qRgb(0, 0, 255));
}

TEST_F(ToolbarButtonTest, KeyboardAcceleratorsDefaultAndCancel) {
    TToolbarButton* file = button(10, 33, 19);
    file->setCaption("&File");
    TToolbarButton* ok = button(50);
    ok->setDefault(true);
    TToolbarButton* cancel = button(80);
    cancel->setCancel(true);
    int fileClicks = 0;
    int okClicks = 0;
    int cancelClicks = 0;
    countClicks(file, &fileClicks);
    countClicks(ok, &okClicks);
    countClicks(cancel, &cancelClicks);
    QTest::keyClick(&m_bar, Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(&m_bar, Qt::Key_Return);
    QTest::keyClick(&m_bar, Qt::Key_Escape);
    EXPECT_EQ(fileClicks, 1);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 1);
    file->setDisplayMode(TButtonDisplayMode::dmGlyphOnly);
    QTest::keyClick(&m_bar, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(fileClicks, 1) << "no accelerator without a visible caption";
    ok->setEnabled(false);
    QTest::keyClick(&m_bar, Qt::Key_Return);
    EXPECT_EQ(okClicks, 1);
}

TEST(ToolbarButtonDialog, ClickGivesTheFormItsModalResult) {
    QDialog dialog;
    dialog.resize(200, 100);
    auto* ok = new TToolbarButton(&dialog);
    ok->setModalResult(QDialog::Accepted);
    dialog.show();
    QTest::mouseClick(ok, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}
