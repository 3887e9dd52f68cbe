#include "OfficeMenus.h"
#include "PopupTestSupport.h"
#include "QtTestEnvironment.h"
#include "SystemColors.h"
#include "ToolbarButtons.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPoint at(QWidget* widget, int x, int y) {
    return widget->mapToGlobal(QPoint(x, y));
}

} // namespace

TEST(TToolbar, DockedFrameAndSingleHandlePixels) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    const QImage image = toolbar->grab().toImage();
    const int w = image.width();
    const int h = image.height();
    ASSERT_EQ(h, 29);
    EXPECT_EQ(pixelAt(image, 0, 0), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(pixelAt(image, 0, 10), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(pixelAt(image, w - 1, 10), SystemColors::btnShadow().rgb());
    EXPECT_EQ(pixelAt(image, 20, h - 1), SystemColors::btnShadow().rgb());
    EXPECT_EQ(pixelAt(image, 1, 10), SystemColors::btnFace().rgb()) << "inner frame pixel";
    // One grip bar, 3 wide, from x = 3, running from 2 pixels inside the top to the bottom frame.
    EXPECT_EQ(pixelAt(image, 3, 10), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(pixelAt(image, 4, 10), SystemColors::btnFace().rgb());
    EXPECT_EQ(pixelAt(image, 5, 10), SystemColors::btnShadow().rgb());
    EXPECT_EQ(pixelAt(image, 4, 2), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(pixelAt(image, 4, h - 3), SystemColors::btnShadow().rgb());
    EXPECT_EQ(pixelAt(image, 3, h - 3), SystemColors::btnHighlight().rgb())
        << "far-end corner pixel";
    EXPECT_EQ(pixelAt(image, 6, 10), SystemColors::btnFace().rgb());
    EXPECT_EQ(pixelAt(image, 4, 1), SystemColors::btnFace().rgb());
}

TEST(TToolbar, DropdownMenusOpenAwayFromTheEdgeTheToolbarIsDockedAt) {
    // The button corner the menu opens at, as fractions of the button's size, and whether the
    // menu opens leftwards from there.
    struct Case {
        const char* edge;
        TDock* DockedForm::*dock;
        QPoint corner;
        bool opensLeft;
    };
    for (const Case& c : {Case{"top", &DockedForm::top, {0, 1}, false},
                          Case{"left", &DockedForm::left, {1, 0}, false},
                          Case{"right", &DockedForm::right, {0, 0}, true}}) {
        DockedForm f;
        TToolbar* toolbar = makeButtonBar(f.*c.dock, 2);
        auto* button = qobject_cast<TToolbarButton*>(toolbar->OrderedControls().back());
        TOfficePopupMenu menu;
        menu.AddItem(QStringLiteral("&Contents"));
        button->setDropdownMenu(&menu);
        QRect placed;
        whenPopupShown([&](QMenu* popup) {
            placed = popup->geometry();
            popup->close();
        });
        QTest::mouseClick(button, Qt::LeftButton, {}, {5, 5});
        const QPoint corner = button->mapToGlobal(
            QPoint(c.corner.x() * button->width(), c.corner.y() * button->height()));
        EXPECT_EQ(c.opensLeft ? placed.topRight() + QPoint(1, 0) : placed.topLeft(), corner)
            << "docked at the " << c.edge;
        EXPECT_EQ(menu.Alignment(), TPopupAlignment::paLeft)
            << "the menu's own alignment is restored";
    }
}

TEST(TToolbar, DoubleHandleWithCloseButtonWhenDocked) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.top, 3);
    EXPECT_EQ(toolbar->width(), 2 + 9 + 75 + 2);
    toolbar->setCloseButtonWhenDocked(true);
    EXPECT_EQ(toolbar->width(), 2 + 14 + 75 + 2);
    EXPECT_EQ(toolbar->OrderedControls().front()->x(), 16);
    EXPECT_EQ(toolbar->CloseButtonRect(), QRect(3, 2, 11, 11));
    const QImage image = toolbar->grab().toImage();
    EXPECT_EQ(pixelAt(image, 5, 20), SystemColors::btnHighlight().rgb())
        << "grip bars shortened below the glyph";
    EXPECT_EQ(pixelAt(image, 3, 2), SystemColors::btnHighlight().rgb())
        << "the glyph's raised edge";
    bool closed = false;
    toolbar->OnClose = [&closed](TCustomToolWindow*) { closed = true; };
    postMouse(toolbar, QEvent::MouseButtonRelease, at(toolbar, 8, 7));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, QPoint(8, 7));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(toolbar->Visible());
    EXPECT_EQ(f.top->height(), 0);
}

TEST(TToolbar, SeparatorDrawsTwoVerticalLinesInAHorizontalToolbar) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    auto* separator = qobject_cast<TToolbarSep*>(toolbar->OrderedControls()[3]);
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(separator->size(), QSize(6, 25));
    const QImage image = separator->grab().toImage();
    EXPECT_EQ(pixelAt(image, 2, 12), SystemColors::btnShadow().rgb());
    EXPECT_EQ(pixelAt(image, 3, 12), SystemColors::btnHighlight().rgb());
    EXPECT_NE(pixelAt(image, 1, 12), SystemColors::btnShadow().rgb());
    separator->setBlank(true);
    const QImage blank = separator->grab().toImage();
    EXPECT_NE(pixelAt(blank, 2, 12), SystemColors::btnShadow().rgb());
    separator->setSizeHorz(10);
    EXPECT_EQ(separator->width(), 10) << "a size change rearranges the toolbar";
    EXPECT_EQ(toolbar->OrderedControls()[4]->x(), 8 + 75 + 10);
    separator->setSizeHorz(0);
    EXPECT_EQ(separator->SizeHorz(), 1);
}

TEST(TToolbar, OnlySeparatorsMakeAnEightPixelBar) {
    DockedForm f;
    auto* toolbar = new TToolbar(f.top);
    new TToolbarSep(toolbar);
    new TToolbarSep(toolbar);
    toolbar->ArrangeSelf();
    EXPECT_EQ(toolbar->height(), 12);
    EXPECT_EQ(f.top->height(), 12);
}

TEST(TToolbar, LoadedOrderFollowsStoredLeftPositions) {
    DockedForm f;
    auto* toolbar = new TToolbar(f.top);
    toolbar->BeginLoading();
    QWidget* second = new QWidget(toolbar);
    second->setGeometry(40, 0, 25, 25);
    QWidget* first = new QWidget(toolbar);
    first->setGeometry(10, 0, 20, 25);
    toolbar->Loaded();
    EXPECT_EQ(toolbar->OrderedControls(), (std::vector<QWidget*>{first, second}));
    EXPECT_EQ(first->x(), 11);
    EXPECT_EQ(second->x(), 31);
}

TEST(TToolbar, HiddenControlsLeaveTheLine) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.top, 3);
    QWidget* middle = toolbar->OrderedControls()[1];
    middle->hide();
    EXPECT_EQ(toolbar->width(), 2 + 9 + 50 + 2);
    EXPECT_EQ(toolbar->OrderedControls()[2]->x(), 11 + 25);
    middle->show();
    EXPECT_EQ(toolbar->width(), 2 + 9 + 75 + 2);
}

TEST(TToolbar, FloatingWrapDrawsEtchedLinesAfterSeparators) {
    DockedForm f;
    auto* toolbar = new TToolbar(f.form.get());
    toolbar->setHideWhenInactive(false);
    toolbar->setCaption(QStringLiteral("Standard Toolbar"));
    for (int i = 0; i < 2; ++i)
        new QWidget(toolbar);
    new TToolbarSep(toolbar);
    new QWidget(toolbar);
    for (QWidget* control : toolbar->findChildren<QWidget*>())
        if (!qobject_cast<TToolbarSep*>(control))
            control->resize(25, 25);
    toolbar->setFloatRightX(60);
    ASSERT_EQ(toolbar->SeparatorLines(), (std::vector<TSeparatorLine>{{33, false}}));
    EXPECT_EQ(toolbar->size(), QSize(4 + 50 + 4 + 8, 33 + 25 + 1 + 23));
    const QImage image = toolbar->grab().toImage();
    EXPECT_EQ(pixelAt(image, 4 + 10, 19 + 29), SystemColors::btnShadow().rgb());
    EXPECT_EQ(pixelAt(image, 4 + 10, 19 + 30), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(pixelAt(image, 4 + 0, 19 + 29), SystemColors::btnFace().rgb())
        << "lines start at x = 1";
    qobject_cast<TToolbarSep*>(toolbar->OrderedControls()[2])->setBlank(true);
    toolbar->ArrangeSelf();
    toolbar->update();
    const QImage blank = toolbar->grab().toImage();
    EXPECT_EQ(pixelAt(blank, 4 + 10, 19 + 29), SystemColors::btnFace().rgb());
}

TEST(TToolbar, FloatingCaptionAndCloseButton) {
    DockedForm f;
    auto* toolbar = makeButtonBar(f.form.get(), 4);
    toolbar->setHideWhenInactive(false);
    toolbar->setCaption(QStringLiteral("A caption far too long for four buttons"));
    const QImage image = toolbar->grab().toImage();
    EXPECT_EQ(pixelAt(image, 6, 6), SystemColors::activeCaption().rgb());
    const QRect close = toolbar->CloseButtonRect();
    EXPECT_EQ(close.size(), QSize(12, 12));
    EXPECT_EQ(close.right(), toolbar->width() - 4 - 2);

    bool canClose = false;
    int closes = 0;
    toolbar->OnCloseQuery = [&canClose](TCustomToolWindow*, bool& allowed) { allowed = canClose; };
    toolbar->OnClose = [&closes](TCustomToolWindow*) { ++closes; };
    postMouse(toolbar, QEvent::MouseButtonRelease,
              at(toolbar, close.center().x(), close.center().y()));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, close.center());
    EXPECT_TRUE(toolbar->Visible()) << "OnCloseQuery refused";
    canClose = true;
    postMouse(toolbar, QEvent::MouseMove, at(toolbar, 20, 20));
    postMouse(toolbar, QEvent::MouseButtonRelease, at(toolbar, 20, 20));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, close.center());
    EXPECT_TRUE(toolbar->Visible()) << "released away from the button";
    postMouse(toolbar, QEvent::MouseButtonRelease,
              at(toolbar, close.center().x(), close.center().y()));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, close.center());
    EXPECT_FALSE(toolbar->Visible());
    EXPECT_FALSE(toolbar->FloatingHost()->isVisible());
    EXPECT_EQ(closes, 1);
    toolbar->setVisible(true);
    EXPECT_TRUE(toolbar->FloatingHost()->isVisible()) << "shown again, still floating";
}

TEST(TToolbar, FloatingResizeSnapsToLineCounts) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.form.get(), 8);
    toolbar->setHideWhenInactive(false);
    toolbar->setFloatingPosition(at(f.client, 10, 10));
    ASSERT_EQ(toolbar->size(), QSize(216, 51));
    const QPoint press = at(toolbar, 213, 30);
    postMouse(toolbar, QEvent::MouseMove, press - QPoint(10, 0));
    postMouse(toolbar, QEvent::MouseButtonRelease, press - QPoint(10, 0));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, QPoint(213, 30));
    EXPECT_EQ(toolbar->size(), QSize(216, 51)) << "inside the dead band nothing changes";
    EXPECT_EQ(toolbar->FloatRightX(), 0);

    postMouse(toolbar, QEvent::MouseMove, press - QPoint(100, 0));
    postMouse(toolbar, QEvent::MouseButtonRelease, press - QPoint(100, 0));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, QPoint(213, 30));
    EXPECT_EQ(toolbar->FloatRightX(), 108);
    EXPECT_EQ(toolbar->size(), QSize(116, 76));
    EXPECT_EQ(toolbar->FloatingPosition(), at(f.client, 10, 10)) << "the left edge stays";

    postMouse(toolbar, QEvent::MouseMove, at(toolbar, 113, 30) - QPoint(60, 0));
    postKey(toolbar, QEvent::KeyPress, Qt::Key_Escape);
    QTest::mousePress(toolbar, Qt::LeftButton, {}, QPoint(113, 30));
    EXPECT_EQ(toolbar->FloatRightX(), 108) << "cancelling keeps the old value";
}

TEST(TToolbar, FloatingWindowFollowsItsFormAndActivation) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.form.get(), 2);
    toolbar->setHideWhenInactive(false);
    ASSERT_TRUE(toolbar->FloatingHost()->isVisible());
    f.form->hide();
    EXPECT_FALSE(toolbar->FloatingHost()->isVisible());
    f.form->show();
    EXPECT_TRUE(toolbar->FloatingHost()->isVisible());
    toolbar->setHideWhenInactive(true);
    EXPECT_EQ(toolbar->FloatingHost()->isVisible(),
              QGuiApplication::applicationState() == Qt::ApplicationActive);
    toolbar->setFloatingMode(TFloatingMode::fmOnTopOfAllForms);
    toolbar->setHideWhenInactive(false);
    f.form->hide();
    EXPECT_TRUE(toolbar->FloatingHost()->isVisible())
        << "on top of all forms it does not follow the form";
    EXPECT_TRUE(toolbar->FloatingHost()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(TToolbar, CloseButtonAndResizeEndWhenTheMouseIsTakenAway) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.form.get(), 8);
    toolbar->setHideWhenInactive(false);
    toolbar->setFloatingPosition(at(f.client, 10, 10));
    const QSize size = toolbar->size();
    const QPoint press = at(toolbar, 213, 30);
    postMouse(toolbar, QEvent::MouseMove, press - QPoint(100, 0));
    QCoreApplication::postEvent(qApp, new QEvent(QEvent::ApplicationDeactivate));
    postMouse(toolbar, QEvent::MouseButtonRelease, press - QPoint(100, 0));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, QPoint(213, 30));
    EXPECT_EQ(toolbar->size(), size) << "the resize ended without applying the outline";
    EXPECT_EQ(toolbar->FloatRightX(), 0);
    QCoreApplication::processEvents();

    const QRect close = toolbar->CloseButtonRect();
    QCoreApplication::postEvent(toolbar, new QEvent(QEvent::UngrabMouse));
    postMouse(toolbar, QEvent::MouseButtonRelease,
              at(toolbar, close.center().x(), close.center().y()));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, close.center());
    EXPECT_TRUE(toolbar->Visible()) << "the release came after the tracking had ended";
    EXPECT_FALSE(toolbar->CloseButtonPressed());
    QCoreApplication::processEvents();
}

TEST(TToolbar, FloatingWindowOfButtonsTakesNoActivationFromItsForm) {
    DockedForm f;
    f.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
    TToolbar* toolbar = makeButtonBar(f.form.get(), 2);
    toolbar->setHideWhenInactive(false);
    ASSERT_TRUE(toolbar->FloatingHost()->isVisible());
    EXPECT_TRUE(toolbar->FloatingHost()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus))
        << "nothing on it takes the focus, so the form stays active and keeps its active caption";
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), f.form.get());
    toolbar->setFloatingMode(TFloatingMode::fmOnTopOfAllForms);
    EXPECT_TRUE(toolbar->FloatingHost()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));

    TToolbar* withEdit = makeButtonBar(f.top, 1);
    new QLineEdit(withEdit);
    withEdit->setDockedTo(nullptr);
    EXPECT_FALSE(withEdit->FloatingHost()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus))
        << "a control that takes the keyboard needs an active window";

    auto* edit = new QLineEdit(toolbar);
    edit->show();
    EXPECT_FALSE(toolbar->FloatingHost()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus))
        << "added while floating";
    EXPECT_TRUE(toolbar->FloatingHost()->isVisible());
    EXPECT_TRUE(toolbar->FloatingHost()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}
