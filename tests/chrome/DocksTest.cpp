#include "InvalidOperation.h"
#include "QtTestEnvironment.h"
#include "SystemColors.h"

#include <QApplication>
#include <QTest>
#include <iostream>
#include <map>
#include <gtest/gtest.h>

TEST(TDock, EmptyDocksTakeNoSpace) {
    DockedForm f;
    EXPECT_EQ(f.top->height(), 0);
    EXPECT_EQ(f.left->width(), 0);
    f.top->setFixAlign(true);
    EXPECT_EQ(f.top->height(), 1);
    QTest::qWait(1);
    EXPECT_EQ(f.client->y(), 1) << "the client area reaches the dock";
}

TEST(TDock, MainWindowTopDockIsFiftyTwoPixels) {
    DockedForm f;
    TToolbar* menu = makeMenuBar(f.top);
    TToolbar* toolbar = makeStandardToolbar(f.top);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.top->height(), 52);
    EXPECT_EQ(menu->geometry(), QRect(0, 0, 600, 23)) << "full size across the dock";
    EXPECT_EQ(toolbar->geometry(), QRect(0, 23, 2 + 6 + 451 + 2, 29));
    const std::vector<QWidget*> menuButtons = menu->OrderedControls();
    EXPECT_EQ(menuButtons.front()->pos(), QPoint(8, 2)) << "2-pixel frame plus the 6-pixel handle";
    EXPECT_EQ(f.top->ShownBars().size(), 2u);
}

TEST(TDock, StandardToolbarControlPositions) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    const std::vector<int> xs{0,   25,  50,  75,  81,  106, 131, 137, 162, 187, 193,
                              218, 224, 283, 289, 314, 320, 345, 370, 395, 420, 426};
    const std::vector<QWidget*> controls = toolbar->OrderedControls();
    ASSERT_EQ(controls.size(), xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_EQ(controls[i]->x(), 8 + xs[i]) << "item " << i;
        EXPECT_EQ(controls[i]->y(), 2);
        EXPECT_EQ(controls[i]->height(), 25);
    }
}

TEST(TDock, ErrorsForWrongParentsAndPositionChanges) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.top, 2);
    try {
        TDock inner(toolbar);
        FAIL() << "a dock inside a tool window";
    } catch (const EInvalidOperation& error) {
        EXPECT_EQ(error.text(),
                  "A TDock control cannot be placed inside a tool window or another TDock");
    }
    EXPECT_THROW(TDock nested(f.top), EInvalidOperation);
    try {
        f.top->setPosition(TDockPosition::dpLeft);
        FAIL() << "position change with controls";
    } catch (const EInvalidOperation& error) {
        EXPECT_EQ(error.text(),
                  "Cannot change Position of a TDock if it already contains controls");
    }
    EXPECT_EQ(f.top->Position(), TDockPosition::dpTop);
    EXPECT_NO_THROW(f.bottom->setPosition(TDockPosition::dpBottom));
    try {
        TToolbar misplaced(f.client);
        FAIL() << "a tool window on a plain widget";
    } catch (const EInvalidOperation& error) {
        EXPECT_EQ(error.text(),
                  "A tool window can only be placed on a TDock or directly on the form");
    }
    try {
        TToolbarSep separator(f.client);
        FAIL() << "a separator outside a toolbar";
    } catch (const EInvalidOperation& error) {
        EXPECT_EQ(error.text(), "TToolbarSep can only be placed on a TToolbar");
    }
}

TEST(TDock, InsertRemoveEventsWhenBarsAreShownAndHidden) {
    DockedForm f;
    std::vector<std::pair<bool, TCustomToolWindow*>> events;
    f.top->OnInsertRemoveBar = [&events](TDock*, bool inserting, TCustomToolWindow* bar) {
        events.emplace_back(inserting, bar);
    };
    TToolbar* toolbar = makeButtonBar(f.top, 3);
    int visibleChanges = 0;
    toolbar->OnVisibleChanged = [&visibleChanges](TCustomToolWindow*) { ++visibleChanges; };
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0].first);
    EXPECT_EQ(f.top->height(), 29);
    toolbar->setVisible(false);
    EXPECT_EQ(f.top->height(), 0);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_FALSE(events[1].first);
    EXPECT_EQ(f.top->Bars().size(), 1u) << "a hidden bar stays in the bar list";
    EXPECT_TRUE(f.top->ShownBars().empty());
    toolbar->setVisible(true);
    EXPECT_EQ(f.top->height(), 29);
    EXPECT_EQ(visibleChanges, 2);
    delete toolbar;
    EXPECT_TRUE(f.top->Bars().empty()) << "a destroyed bar leaves the lists";
    EXPECT_EQ(f.top->height(), 0);
}

TEST(TDock, DeferredArrangementRunsOnceAtTheEnd) {
    DockedForm f;
    TToolbar* first = makeButtonBar(f.top, 2);
    TToolbar* second = makeButtonBar(f.top, 2);
    f.top->BeginArrange();
    first->setDockRow(0);
    second->setDockRow(3);
    EXPECT_EQ(f.top->height(), 29) << "nothing arranged while deferred";
    f.top->EndArrange();
    EXPECT_EQ(second->DockRow(), 2) << "one empty row closed per arrangement";
    EXPECT_EQ(f.top->height(), 58);
}

TEST(TDock, BoundLinesTakeAPixelAndAreDrawnWithBars) {
    DockedForm f;
    f.top->setBoundLines(TDockBoundLine::blTop | TDockBoundLine::blBottom);
    EXPECT_EQ(f.top->height(), 0) << "no bars: nothing to hold";
    makeButtonBar(f.top, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.top->height(), 29 + 2);
    const QImage image = f.top->grab().toImage();
    EXPECT_EQ(pixelAt(image, 300, 0), SystemColors::btnShadow().rgb());
    EXPECT_EQ(pixelAt(image, 300, 30), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(f.top->Bars().front()->y(), 1);
}

TEST(TDock, TransparentBackgroundTilesUseTheDockColour) {
    DockedForm f;
    makeButtonBar(f.top, 1);
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::red);
    tile.setPixel(0, 3, qRgb(0, 0, 255)); // the transparent colour
    tile.setPixel(2, 2, qRgb(0, 0, 255));
    f.top->setColor(Qt::yellow);
    f.top->setBackground(QPixmap::fromImage(tile));
    f.top->setBackgroundTransparent(true);
    const QImage image = f.top->grab().toImage();
    EXPECT_EQ(pixelAt(image, 100 + 2, 2), QColor(Qt::yellow).rgb());
    EXPECT_EQ(pixelAt(image, 100 + 1, 2), QColor(Qt::red).rgb());
    f.top->setBackgroundTransparent(false);
    EXPECT_EQ(f.top->grab().toImage().pixelColor(102, 2), QColor(0, 0, 255));
}

namespace {

QPoint at(QWidget* widget, int x, int y) {
    return widget->mapToGlobal(QPoint(x, y));
}

// A toolbar of two buttons 19 high, thinner than the 25-high buttons of the other bars.
TToolbar* makeThinBar(TDock* dock) {
    TToolbar* bar = makeButtonBar(dock, 2);
    for (QWidget* control : bar->OrderedControls())
        control->resize(25, 19);
    return bar;
}

} // namespace

TEST(TDock, AnEmptyRowBetweenTwoBarsKeepsTheRowIndexes) {
    DockedForm f;
    f.top->BeginArrange();
    TToolbar* first = makeButtonBar(f.top, 2);
    TToolbar* thin = makeThinBar(f.top);
    TToolbar* thick = makeButtonBar(f.top, 2);
    first->setDockRow(0);
    thin->setDockRow(3);
    thin->setDockPos(0);
    thick->setDockRow(3);
    thick->setDockPos(200);
    f.top->EndArrange();
    // Rows 0 and 3 became 0 and 2: row 1 stays empty until the next arrangement.
    ASSERT_EQ(thin->DockRow(), 2);
    ASSERT_EQ(thick->DockRow(), 2);
    EXPECT_EQ(f.top->height(), 29 + 29);
    EXPECT_EQ(f.top->RowThicknessFor(thin), 25) << "the row of the thicker bar";
    EXPECT_EQ(thin->OrderedControls().front()->y(), 2 + (25 - 19) / 2)
        << "centred in its row's thickness";
    EXPECT_EQ(RowAtPosition(f.top->RowThicknesses(), 29 + 14), (TRowHit{2, false}))
        << "the middle of the second visible row is that row";
    EXPECT_EQ(RowAtPosition(f.top->RowThicknesses(), 29 + 2), (TRowHit{2, true}));
    EXPECT_EQ(thin->DockRow(), 2) << "asking changed nothing";

    // A real drag of a floating bar into the middle of the second visible row joins it.
    TToolbar* floating = makeButtonBar(f.form.get(), 2);
    floating->setHideWhenInactive(false);
    const QPoint drop = at(f.top, 450, 29 + 9);
    postMouse(floating, QEvent::MouseMove, drop);
    postMouse(floating, QEvent::MouseButtonRelease, drop);
    QTest::mousePress(floating, Qt::LeftButton, {}, QPoint(30, 10));
    ASSERT_EQ(floating->DockedTo(), f.top);
    EXPECT_EQ(floating->DockRow(), thin->DockRow());
    EXPECT_EQ(f.top->height(), 29 + 29) << "no new row was made";
}

TEST(TDock, StoredPositionSurvivesLoading) {
    DockedForm f;
    f.top->BeginLoading();
    TToolbar* toolbar = makeButtonBar(f.top, 3);
    toolbar->setDockPos(580);
    f.top->Loaded();
    EXPECT_EQ(toolbar->DockPos(), 580);
    EXPECT_EQ(toolbar->x(), 600 - toolbar->width()) << "shown pushed back inside the dock";
    f.form->resize(800, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(toolbar->x(), 580) << "back in its place once the window is wide enough";
}

TEST(TDock, ChangingPositionMovesTheDockToItsNewEdge) {
    DockedForm f;
    f.top->setPosition(TDockPosition::dpBottom);
    f.left->setPosition(TDockPosition::dpRight);
    makeButtonBar(f.top, 2);
    makeButtonBar(f.left, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.top->geometry(), QRect(0, 400 - 29, 600, 29)) << "along the bottom edge";
    EXPECT_EQ(f.left->width(), 29);
    EXPECT_EQ(f.left->geometry().right(), 599) << "on the right edge";
    EXPECT_EQ(f.left->geometry().top(), 0);
    EXPECT_EQ(f.left->geometry().bottom(), 400 - 29 - 1) << "between the top and bottom docks";
    EXPECT_EQ(f.client->geometry(), QRect(0, 0, 600 - 29, 400 - 29));
}

namespace {

// Counts the paint events reaching the widgets under one root.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int under(const QWidget* root) const {
        int total = 0;
        for (const auto& [widget, count] : m_counts)
            if (widget == root || root->isAncestorOf(widget))
                total += count;
        return total;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            ++m_counts[static_cast<QWidget*>(watched)];
        }
        return false;
    }

private:
    std::map<const QWidget*, int> m_counts;
};

} // namespace

// A top-level window that changes size is repainted whole by the toolkit here, so the docked
// area is widened inside a larger window: what repaints then is what the chrome asked for.
TEST(TDock, WideningRepaintsOnlyWhatChanged) {
    QWidget window;
    window.setGeometry(100, 100, 700, 400);
    window.show();
    DockedForm f(&window);
    TToolbar* menu = makeMenuBar(f.top);
    TToolbar* toolbar = makeStandardToolbar(f.top);
    QTest::qWait(1);
    QCoreApplication::processEvents();
    PaintCounter paints;
    for (int widening = 1; widening <= 10; ++widening) {
        f.form->resize(600 + widening, 400);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // Reported for comparison with the toolkit's whole-window repaints (one per control each).
    std::cout << "[ paints  ] ten 1-pixel widenings: " << paints.under(f.form.get())
              << " paint events in the docked area, " << paints.under(f.top)
              << " in the top dock, " << paints.under(toolbar) << " in the standard toolbar, "
              << paints.under(menu) << " in the menu bar\n";
    EXPECT_EQ(paints.under(toolbar), 0) << "the standard toolbar neither moved nor changed size";
    EXPECT_LE(paints.under(menu), 10 * 5) << "the menu bar and its four buttons, once each";
}
