// The three modal mouse loops of a tool window (drag, close button, floating resize): however
// each of them ends, the window no longer holds the mouse and the cursor is the one from before.
#include "QtTestEnvironment.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

QPoint at(QWidget* widget, int x, int y) {
    return widget->mapToGlobal(QPoint(x, y));
}

const QPoint handle(3, 14); // inside the standard toolbar's drag handle

// One way of ending a loop, queued as the input that will reach it.
struct Ending {
    std::string name;
    std::function<void(QWidget* window, QPoint where)> queue;
};

const std::vector<Ending>& endings() {
    static const std::vector<Ending> all{
        {"left release",
         [](QWidget* window, QPoint where) {
             postMouse(window, QEvent::MouseMove, where);
             postMouse(window, QEvent::MouseButtonRelease, where);
         }},
        {"Esc",
         [](QWidget* window, QPoint where) {
             postMouse(window, QEvent::MouseMove, where);
             postKey(window, QEvent::KeyPress, Qt::Key_Escape);
             postMouse(window, QEvent::MouseButtonRelease, where);
         }},
        {"left press",
         [](QWidget* window, QPoint where) {
             postMouse(window, QEvent::MouseMove, where);
             postMouse(window, QEvent::MouseButtonPress, where);
         }},
        {"mouse taken away",
         [](QWidget* window, QPoint where) {
             postMouse(window, QEvent::MouseMove, where);
             QCoreApplication::postEvent(qApp, new QEvent(QEvent::ApplicationDeactivate));
             postMouse(window, QEvent::MouseButtonRelease, where);
         }},
    };
    return all;
}

void expectMouseFree(const std::string& path) {
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << path << ": the mouse grab leaked";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << path << ": the cursor was not restored";
    // Leftover input of this path must not reach the next one.
    QCoreApplication::processEvents();
}

// The drag runs its first update before its loop starts; input queued then reaches the loop
// itself rather than the paint requests handled before it.
void queueWhenTheLoopStarts(TDock* dock, std::function<void()> queue) {
    auto pending = std::make_shared<std::function<void()>>(std::move(queue));
    dock->OnRequestDock = [pending](TDock*, TCustomToolWindow*, bool&) {
        if (*pending)
            std::exchange(*pending, nullptr)();
    };
}

TToolbar* floatingBar(DockedForm& f) {
    TToolbar* toolbar = makeButtonBar(f.form.get(), 8);
    toolbar->setHideWhenInactive(false);
    toolbar->setFloatingPosition(at(f.client, 10, 10));
    return toolbar;
}

} // namespace

TEST(ToolWindowLoops, DragReleasedBeforeItsLoopStartsLetsTheMouseGo) {
    // A quick click on the handle that closes an open menu: the menu hands back the press and
    // the release together, so the release is waiting before the drag's loop has begun.
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    const QRect before = toolbar->geometry();
    postMouse(toolbar, QEvent::MouseButtonRelease, at(toolbar, handle.x(), handle.y()));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_EQ(toolbar->DockedTo(), f.top);
    EXPECT_EQ(toolbar->geometry(), before);
    expectMouseFree("release before the loop");
}

TEST(ToolWindowLoops, EveryEndOfADragLetsTheMouseGo) {
    for (const Ending& ending : endings()) {
        DockedForm f;
        TToolbar* toolbar = makeStandardToolbar(f.top);
        toolbar->setHideWhenInactive(false);
        queueWhenTheLoopStarts(f.top, [&] { ending.queue(toolbar, at(f.client, 150, 120)); });
        QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
        EXPECT_EQ(toolbar->Docked(), ending.name != "left release") << ending.name;
        expectMouseFree("drag, " + ending.name);
    }
}

TEST(ToolWindowLoops, TheNotAllowedCursorGoesWithTheDrag) {
    for (const Ending& ending : endings()) {
        DockedForm f;
        TToolbar* toolbar = makeStandardToolbar(f.top);
        toolbar->setDockMode(TDockMode::dmCannotFloat);
        queueWhenTheLoopStarts(f.top, [&] { ending.queue(toolbar, at(f.client, 150, 120)); });
        QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
        EXPECT_EQ(toolbar->DockedTo(), f.top) << ending.name;
        expectMouseFree("not-allowed drag, " + ending.name);
    }
}

TEST(ToolWindowLoops, EveryEndOfTheCloseButtonLetsTheMouseGo) {
    for (const Ending& ending : endings()) {
        for (bool overTheButton : {true, false}) {
            DockedForm f;
            TToolbar* toolbar = floatingBar(f);
            const QPoint close = toolbar->CloseButtonRect().center();
            const QPoint where = overTheButton ? close : QPoint(20, 30);
            ending.queue(toolbar, at(toolbar, where.x(), where.y()));
            QTest::mousePress(toolbar, Qt::LeftButton, {}, close);
            // Keys are ignored here: the release after Esc still closes.
            const bool closes =
                overTheButton && (ending.name == "left release" || ending.name == "Esc");
            EXPECT_EQ(toolbar->Visible(), !closes) << ending.name;
            EXPECT_FALSE(toolbar->CloseButtonPressed());
            expectMouseFree("close button, " + ending.name);
        }
    }
}

TEST(ToolWindowLoops, EveryEndOfAFloatingResizeLetsTheMouseGo) {
    for (const Ending& ending : endings()) {
        DockedForm f;
        TToolbar* toolbar = floatingBar(f);
        const QPoint edge(toolbar->width() - 3, 30);
        ending.queue(toolbar, at(toolbar, edge.x() - 100, edge.y()));
        QTest::mousePress(toolbar, Qt::LeftButton, {}, edge);
        EXPECT_EQ(toolbar->FloatRightX() != 0, ending.name == "left release") << ending.name;
        expectMouseFree("resize, " + ending.name);
    }
}
