#include "QtTestEnvironment.h"
#include "SystemColors.h"
#include "ToolWindowDrag.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

TEST(ToolWindowLifecycle, DestroyingFormsDocksAndFloatingBarsIsClean) {
    {
        DockedForm f;
        makeStandardToolbar(f.top);
        TToolbar* floating = makeButtonBar(f.form.get(), 3);
        floating->setLastDock(f.left);
        EXPECT_EQ(f.left->Bars().size(), 1u);
    }
    {
        DockedForm f;
        TToolbar* toolbar = makeStandardToolbar(f.top);
        toolbar->setDockedTo(nullptr);
        delete f.top;
        EXPECT_EQ(toolbar->LastDock(), nullptr) << "a vanished last dock is forgotten";
        toolbar->ToggleDocked();
        EXPECT_FALSE(toolbar->Docked()) << "no dock to return to";
        delete toolbar;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(f.form->findChildren<TFloatingWindowParent*>().isEmpty())
            << "the host goes with its window";
    }
    {
        DockedForm f;
        makeMenuBar(f.top);
        makeStandardToolbar(f.top);
        delete f.top;
        EXPECT_TRUE(f.form->findChildren<TToolbar*>().isEmpty());
    }
}

TEST(ToolWindowLifecycle, LastDockAndUseLastDock) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    EXPECT_EQ(toolbar->LastDock(), f.top) << "while docked the last dock is the dock";
    toolbar->setUseLastDock(false);
    toolbar->setDockedTo(nullptr);
    EXPECT_EQ(toolbar->LastDock(), nullptr);
    EXPECT_TRUE(f.top->Bars().empty()) << "without UseLastDock the dock forgets the bar";
    toolbar->setLastDock(f.bottom);
    EXPECT_TRUE(toolbar->UseLastDock());
    EXPECT_EQ(f.bottom->Bars().size(), 1u);
    EXPECT_EQ(f.bottom->height(), 0) << "a floating member is not shown";
    toolbar->setLastDock(f.right);
    EXPECT_TRUE(f.bottom->Bars().empty());
    toolbar->ToggleDocked();
    EXPECT_EQ(toolbar->DockedTo(), f.right);
}

TEST(ToolWindowLifecycle, RequestDockCanRefuse) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    int asked = 0;
    f.bottom->OnRequestDock = [&asked](TDock*, TCustomToolWindow*, bool& accept) {
        ++asked;
        accept = false;
    };
    TToolWindowDrag drag(toolbar, QPoint(3, 14));
    drag.update(f.bottom->mapToGlobal(QPoint(300, 0)), false);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(drag.dockingTo(), nullptr);
    EXPECT_EQ(drag.outlineThickness(), 4) << "refused: the floating outline";
    drag.finish(false);
}

TEST(ToolWindowLifecycle, DockResizeArrangesAndFiresOnResize) {
    DockedForm f;
    TToolbar* later = makeButtonBar(f.top, 4);
    TToolbar* first = makeButtonBar(f.top, 4); // not yet placed (-1): sorts before the other
    later->setDockPos(300);
    int resizes = 0;
    f.top->OnResize = [&resizes](TDock*) { ++resizes; };
    EXPECT_EQ(first->x(), 0);
    EXPECT_EQ(later->x(), 300);
    f.form->resize(240, 400);
    QCoreApplication::processEvents();
    EXPECT_GT(resizes, 0);
    ASSERT_EQ(f.top->width(), 240);
    EXPECT_EQ(later->x(), 240 - later->width()) << "pushed back inside the narrower dock";
    EXPECT_EQ(first->x(), 0);
    f.form->resize(150, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(first->x(), 0) << "never before the start";
    EXPECT_EQ(later->x(), first->width()) << "overflowing at the far end";
    f.form->resize(600, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(later->x(), 300) << "back to its place";
    EXPECT_EQ(later->DockPos(), 300);
}

TEST(ToolWindowLifecycle, LimitToOneRowAndAllowDrag) {
    DockedForm f;
    makeStandardToolbar(f.top);
    TToolbar* other = makeButtonBar(f.top, 2);
    other->setDockRow(4);
    EXPECT_EQ(f.top->height(), 58);
    f.top->setLimitToOneRow(true);
    EXPECT_EQ(other->DockRow(), 0);
    EXPECT_EQ(f.top->height(), 29);
    const int width = other->width();
    f.top->setAllowDrag(false);
    EXPECT_EQ(other->width(), width - 9) << "no drag handle on a dock that forbids dragging";
    QTest::mousePress(other, Qt::LeftButton, {}, QPoint(3, 10));
    EXPECT_EQ(other->DockedTo(), f.top) << "a press does nothing";
}

TEST(ToolWindowLifecycle, EscapeInTheFloatingHostReturnsToTheForm) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.form.get(), 2);
    toolbar->setHideWhenInactive(false);
    TFloatingWindowParent* host = toolbar->FloatingHost();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->ParentForm(), f.form.get());
    EXPECT_EQ(host->parentWidget(), f.form.get()) << "owned by its form";
    EXPECT_TRUE(host->windowFlags().testFlag(Qt::Tool));
    QTest::keyClick(host, Qt::Key_Escape);
    EXPECT_TRUE(f.form->hasFocus() || QApplication::focusWidget() == nullptr ||
                f.form->isAncestorOf(QApplication::focusWidget()));
}

TEST(ToolWindowLifecycle, LoadingConvertsDesignTimeFloatingPositions) {
    DockedForm f;
    auto* designed = new TToolbar(f.form.get());
    designed->BeginLoading();
    designed->setFloatingPosition(QPoint(30, 40));
    designed->Loaded();
    EXPECT_EQ(designed->FloatingPosition(), f.form->mapToGlobal(QPoint(30, 40)));

    auto* saved = new TToolbar(f.form.get());
    saved->BeginLoading();
    saved->setSavedAtRunTime(true);
    saved->setFloatingPosition(QPoint(5000, 40));
    saved->Loaded();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(saved->FloatingPosition(), QPoint(area.right() + 1 - saved->width(), 40))
        << "kept on screen";
}

TEST(ToolWindowLifecycle, DockDefersArrangementWhileLoading) {
    DockedForm f;
    f.top->BeginLoading();
    TToolbar* toolbar = makeButtonBar(f.top, 2);
    EXPECT_EQ(f.top->height(), 0) << "no arrangement while loading";
    f.top->Loaded();
    EXPECT_EQ(f.top->height(), 29);
    EXPECT_EQ(toolbar->DockPos(), 0);
}

TEST(ToolWindowLifecycle, BarsPaintTheDockTilesBehindTheirControls) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.top, 2);
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::red);
    f.top->setBackground(QPixmap::fromImage(tile));
    const QRgb red = QColor(Qt::red).rgb();
    EXPECT_EQ(pixelAt(toolbar->grab().toImage(), 10, 10), red)
        << "inside the frame, in the handle band";
    EXPECT_EQ(pixelAt(toolbar->grab().toImage(), 0, 10), SystemColors::btnHighlight().rgb())
        << "the frame stays";
    f.top->setBackgroundOnToolbars(false);
    EXPECT_EQ(pixelAt(toolbar->grab().toImage(), 10, 10), toolbar->Color().rgb());
}

TEST(ToolWindowLifecycle, DeletingAFloatingToolbarHidesItsHostAtOnce) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.form.get(), 3);
    toolbar->setHideWhenInactive(false);
    QPointer<TFloatingWindowParent> host = toolbar->FloatingHost();
    ASSERT_TRUE(host && host->isVisible());
    delete toolbar;
    ASSERT_TRUE(host) << "the host itself goes a moment later";
    EXPECT_FALSE(host->isVisible()) << "an empty host window stayed on screen";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(host);
}
