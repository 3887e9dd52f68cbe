#include "ToolWindowDrag.h"

#include "QtTestEnvironment.h"
#include "SystemColors.h"
#include "ToolbarButtons.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A point on screen, given in the coordinates of `widget`.
QPoint at(QWidget* widget, int x, int y) {
    return widget->mapToGlobal(QPoint(x, y));
}

void doubleClick(QWidget* widget, QPoint pos) {
    QMouseEvent event(QEvent::MouseButtonDblClick, pos, pos, widget->mapToGlobal(QPointF(pos)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

const QPoint handle(3, 14); // inside the standard toolbar's drag handle

} // namespace

TEST(ToolWindowDrag, DropNearARowBoundaryInsertsANewRow) {
    DockedForm f;
    TToolbar* menu = makeMenuBar(f.top);
    TToolbar* toolbar = makeStandardToolbar(f.top);
    TToolbar* extra = makeButtonBar(f.top, 3);
    // Docked into the full-size bar's row, the new bar pushed the rows below down.
    ASSERT_EQ(extra->DockRow(), 1);
    ASSERT_EQ(toolbar->DockRow(), 2);
    ASSERT_EQ(f.top->height(), 23 + 29 + 29);
    // The outline's centre across the dock follows the cursor (grab point in the middle).
    TToolWindowDrag drag(toolbar, QPoint(3, 14));
    drag.update(at(f.top, 100, 23 + 3), false);
    EXPECT_EQ(drag.dockingTo(), f.top);
    EXPECT_EQ(drag.outlineThickness(), 1);
    drag.finish(true);
    EXPECT_EQ(menu->DockRow(), 0);
    EXPECT_EQ(toolbar->DockRow(), 1);
    EXPECT_EQ(extra->DockRow(), 2) << "the lower rows moved down";
    EXPECT_EQ(toolbar->geometry().topLeft(), QPoint(100 - 3, 23));
}

TEST(ToolWindowDrag, DroppingOnTheFullSizeRowMakesARowRightAfterIt) {
    DockedForm f;
    TToolbar* menu = makeMenuBar(f.top);
    TToolbar* toolbar = makeStandardToolbar(f.top);
    TToolbar* other = makeButtonBar(f.top, 2);
    other->setDockRow(1);
    other->setDockPos(470);
    TToolWindowDrag drag(toolbar, handle);
    drag.update(at(f.top, 50, 11), false);
    EXPECT_EQ(drag.dockingTo(), f.top);
    drag.finish(true);
    EXPECT_EQ(menu->DockRow(), 0);
    EXPECT_EQ(toolbar->DockRow(), 1);
    EXPECT_EQ(other->DockRow(), 2);
    EXPECT_EQ(toolbar->y(), 23);
}

TEST(ToolWindowDrag, CtrlForcesTheFloatingOutline) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    TToolWindowDrag drag(toolbar, handle);
    const QPoint overDock = at(f.top, 100, 14);
    drag.update(overDock, true);
    EXPECT_EQ(drag.dockingTo(), nullptr);
    EXPECT_EQ(drag.outlineThickness(), 4);
    EXPECT_EQ(drag.outlineRect().size(), toolbar->SizeFor(nullptr));
    drag.update(overDock, false);
    EXPECT_EQ(drag.dockingTo(), f.top) << "releasing Ctrl shows the docked outline again";
    EXPECT_EQ(drag.outlineThickness(), 1);
    EXPECT_TRUE(drag.outlineShown());
    drag.finish(false);
    EXPECT_FALSE(drag.outlineShown());
}

TEST(ToolWindowDrag, WindowThatCannotFloatShowsNoOutlineAwayFromDocks) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    toolbar->setDockMode(TDockMode::dmCannotFloat);
    const QRect before = toolbar->geometry();
    TToolWindowDrag drag(toolbar, handle);
    drag.update(at(f.client, 200, 150), false);
    EXPECT_TRUE(drag.outlineRect().isNull());
    EXPECT_TRUE(drag.showsNotAllowed());
    EXPECT_FALSE(drag.outlineShown());
    drag.finish(true);
    EXPECT_EQ(toolbar->DockedTo(), f.top);
    EXPECT_EQ(toolbar->geometry(), before);
}

TEST(ToolWindowDrag, CandidatesFollowEdgeOrderAndDockableTo) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    toolbar->setDockableTo(
        TDockPositions::none().with(TDockPosition::dpTop).with(TDockPosition::dpRight));
    f.left->setAllowDrag(false);
    TToolWindowDrag drag(toolbar, handle);
    EXPECT_EQ(drag.candidates(), (std::vector<TDock*>{f.top, f.right}));
    toolbar->setDockMode(TDockMode::dmCannotFloatOrChangeDocks);
    TToolWindowDrag onlyOwn(toolbar, handle);
    EXPECT_EQ(onlyOwn.candidates(), std::vector<TDock*>{f.top});
}

TEST(ToolWindowDrag, DragAwayFloatsAndKeepsTheRowReserved) {
    DockedForm f;
    makeMenuBar(f.top);
    TToolbar* toolbar = makeStandardToolbar(f.top);
    toolbar->setHideWhenInactive(false);
    TToolWindowDrag drag(toolbar, handle);
    drag.update(at(f.client, 150, 150), false);
    ASSERT_EQ(drag.dockingTo(), nullptr);
    const QRect outline = drag.outlineRect();
    drag.finish(true);
    EXPECT_FALSE(toolbar->Docked());
    EXPECT_EQ(toolbar->FloatingPosition(), outline.topLeft());
    EXPECT_EQ(toolbar->size(), outline.size());
    EXPECT_EQ(toolbar->LastDock(), f.top);
    EXPECT_EQ(toolbar->DockRow(), 1);
    EXPECT_EQ(f.top->height(), 23);
    EXPECT_EQ(f.top->Bars().size(), 2u) << "a floating bar stays a hidden member of its last dock";
    ASSERT_NE(toolbar->FloatingHost(), nullptr);
    EXPECT_TRUE(toolbar->FloatingHost()->objectName().startsWith("FloatingWindowParent_"));
    EXPECT_EQ(toolbar->FloatingHost()->objectName().size(), 21 + 8);
    EXPECT_TRUE(toolbar->FloatingHost()->isVisible());
    EXPECT_EQ(toolbar->OrderedControls().front()->pos(), QPoint(4 + 4, 19 + 2))
        << "frame, caption and margins";
}

TEST(ToolWindowDrag, EmptyBottomDockCanBeHit) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    TToolWindowDrag drag(toolbar, handle);
    drag.update(at(f.bottom, 300, 0), false);
    EXPECT_EQ(drag.dockingTo(), f.bottom);
    drag.finish(true);
    EXPECT_EQ(toolbar->DockedTo(), f.bottom);
    EXPECT_EQ(f.bottom->height(), 29);
    EXPECT_EQ(f.top->height(), 0);
    EXPECT_EQ(toolbar->LastDock(), f.bottom);
    EXPECT_TRUE(f.top->Bars().empty());
}

TEST(ToolWindowDrag, SideDockStacksTheControls) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    TToolWindowDrag drag(toolbar, handle);
    drag.update(at(f.left, 0, 40), false);
    ASSERT_EQ(drag.dockingTo(), f.left);
    drag.finish(true);
    QCoreApplication::processEvents();
    // The 59-wide version button makes the vertical toolbar 59 thick; the buttons are centred.
    EXPECT_EQ(f.left->width(), 59 + 4);
    const std::vector<QWidget*> controls = toolbar->OrderedControls();
    EXPECT_EQ(controls[0]->pos(), QPoint(2 + 17, 8));
    EXPECT_EQ(controls[1]->pos(), QPoint(2 + 17, 33));
    EXPECT_EQ(controls[3]->geometry(), QRect(2, 83, 59, 6)) << "separator across the toolbar";
    EXPECT_EQ(controls[12]->pos(), QPoint(2, 8 + 224));
    const QImage image = controls[3]->grab().toImage();
    EXPECT_EQ(pixelAt(image, 10, 2), SystemColors::btnShadow().rgb());
    EXPECT_EQ(pixelAt(image, 10, 3), SystemColors::btnHighlight().rgb());
}

TEST(ToolWindowDrag, ModalLoopFromPressToRelease) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    toolbar->setHideWhenInactive(false);
    const QPoint drop = at(f.client, 150, 120);
    postMouse(toolbar, QEvent::MouseMove, at(f.client, 100, 100));
    postMouse(toolbar, QEvent::MouseMove, drop);
    postMouse(toolbar, QEvent::MouseButtonRelease, drop);
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_FALSE(toolbar->Docked());
    // The grab point keeps its relative place in the taller floating outline.
    EXPECT_EQ(toolbar->FloatingPosition(), drop - QPoint(3, 14 * 50 / 28));
}

TEST(ToolWindowDrag, EscapeAndLeftPressCancel) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    postMouse(toolbar, QEvent::MouseMove, at(f.client, 100, 100));
    postKey(toolbar, QEvent::KeyPress, Qt::Key_Escape);
    postMouse(toolbar, QEvent::MouseButtonRelease, at(f.client, 100, 100));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_EQ(toolbar->DockedTo(), f.top);
    QCoreApplication::processEvents();

    postMouse(toolbar, QEvent::MouseMove, at(f.client, 100, 100));
    postMouse(toolbar, QEvent::MouseButtonPress, at(f.client, 100, 100));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_EQ(toolbar->DockedTo(), f.top);
    QCoreApplication::processEvents();
}

TEST(ToolWindowDrag, CtrlKeyDuringTheLoopFloatsOverADock) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    const QPoint overDock = at(f.top, 100, 14);
    postMouse(toolbar, QEvent::MouseMove, overDock);
    postKey(toolbar, QEvent::KeyPress, Qt::Key_Control);
    postMouse(toolbar, QEvent::MouseButtonRelease, overDock, Qt::ControlModifier);
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_FALSE(toolbar->Docked());
}

TEST(ToolWindowDrag, PressingASeparatorStartsAToolbarDrag) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    QWidget* separator = toolbar->OrderedControls()[3];
    postMouse(toolbar, QEvent::MouseMove, at(f.client, 100, 100));
    postMouse(toolbar, QEvent::MouseButtonRelease, at(f.client, 100, 100));
    QTest::mousePress(separator, Qt::LeftButton, {}, QPoint(2, 5));
    EXPECT_FALSE(toolbar->Docked());
}

TEST(ToolWindowDrag, DoubleClickTogglesBackIntoTheRememberedPlace) {
    DockedForm f;
    makeMenuBar(f.top);
    TToolbar* toolbar = makeStandardToolbar(f.top);
    TToolbar* other = makeButtonBar(f.top, 2);
    other->setDockPos(470);
    toolbar->setDockRow(1);
    ASSERT_EQ(other->DockRow(), 1);
    toolbar->setHideWhenInactive(false);
    toolbar->setFloatingPosition(at(f.client, 20, 20));
    doubleClick(toolbar, handle);
    ASSERT_FALSE(toolbar->Docked());
    EXPECT_EQ(toolbar->FloatingHost()->pos(), at(f.client, 20, 20));
    EXPECT_EQ(other->x(), 470) << "the row keeps its place";
    doubleClick(toolbar, QPoint(40, 10));
    EXPECT_EQ(toolbar->DockedTo(), f.top);
    EXPECT_EQ(toolbar->DockRow(), 1);
    EXPECT_EQ(toolbar->x(), 0);
    EXPECT_EQ(other->x(), 470);
}

TEST(ToolWindowDrag, DoubleClickWithoutLastDockUsesDefaultDockBeforeEveryBar) {
    DockedForm f;
    TToolbar* resident = makeButtonBar(f.right, 2);
    auto* floating = makeButtonBar(f.form.get(), 3);
    floating->setHideWhenInactive(false);
    floating->setDefaultDock(f.right);
    ASSERT_FALSE(floating->Docked());
    doubleClick(floating, QPoint(30, 10));
    EXPECT_EQ(floating->DockedTo(), f.right);
    EXPECT_EQ(floating->DockRow(), 0);
    EXPECT_EQ(floating->y(), 0);
    EXPECT_EQ(resident->y(), floating->height());
}

TEST(ToolWindowDrag, EventsFireInOrderWhenThePlaceChanges) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    std::vector<std::string> events;
    toolbar->OnDockChanging = [&](TCustomToolWindow*) { events.push_back("DockChanging"); };
    toolbar->OnDockChangingEx = [&](TCustomToolWindow*, TDock* to) {
        events.push_back(to == f.left ? "Ex:left" : "Ex:?");
    };
    toolbar->OnRecreating = [&](TCustomToolWindow*) { events.push_back("Recreating"); };
    toolbar->OnDockChangingHidden = [&](TCustomToolWindow* w, TDock*) {
        events.push_back(w->isVisible() ? "Hidden:visible" : "Hidden");
    };
    toolbar->OnMove = [&](TCustomToolWindow*) { events.push_back("Move"); };
    toolbar->OnRecreated = [&](TCustomToolWindow*) { events.push_back("Recreated"); };
    toolbar->OnDockChanged = [&](TCustomToolWindow*) { events.push_back("DockChanged"); };
    toolbar->setDockedTo(f.left);
    const std::vector<std::string> expected{"DockChanging", "Ex:left",   "Recreating", "Hidden",
                                            "Move",         "Recreated", "DockChanged"};
    ASSERT_GE(events.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + 4),
              std::vector<std::string>(expected.begin(), expected.begin() + 4));
    EXPECT_EQ(std::vector<std::string>(events.end() - 3, events.end()),
              std::vector<std::string>(expected.end() - 3, expected.end()));
}

TEST(ToolWindowDrag, FloatingWindowDraggedOntoADockDocksThere) {
    DockedForm f;
    TToolbar* menu = makeMenuBar(f.top);
    auto* floating = makeButtonBar(f.form.get(), 4);
    floating->setHideWhenInactive(false);
    ASSERT_FALSE(floating->Docked());
    TToolWindowDrag drag(floating, QPoint(30, 10));
    drag.update(at(f.top, 120, 20), false);
    ASSERT_EQ(drag.dockingTo(), f.top);
    EXPECT_EQ(drag.outlineRect().size(), floating->SizeFor(f.top));
    drag.finish(true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(floating->DockedTo(), f.top);
    EXPECT_EQ(floating->FloatingHost(), nullptr) << "the host is gone once docked";
    EXPECT_EQ(menu->DockRow(), 0);
    EXPECT_EQ(floating->DockRow(), 1) << "past the last row: a new last row";
    EXPECT_EQ(f.top->height(), 23 + 29);
}

namespace {

void postToApplication(QEvent::Type type) {
    QCoreApplication::postEvent(qApp, new QEvent(type));
}

} // namespace

TEST(ToolWindowDrag, LosingTheMouseEndsTheDragWithoutAChange) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    const QRect before = toolbar->geometry();
    // Another program took the activation (and with it the mouse) in the middle of the drag;
    // the release that follows belongs to no drag any more.
    postMouse(toolbar, QEvent::MouseMove, at(f.client, 100, 100));
    postToApplication(QEvent::ApplicationDeactivate);
    postMouse(toolbar, QEvent::MouseButtonRelease, at(f.client, 100, 100));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_EQ(toolbar->DockedTo(), f.top);
    EXPECT_EQ(toolbar->geometry(), before);
    QCoreApplication::processEvents();

    // A modal window opened over the form blocks it: the drag ends too.
    postMouse(toolbar, QEvent::MouseMove, at(f.client, 100, 100));
    QCoreApplication::postEvent(f.form.get(), new QEvent(QEvent::WindowBlocked));
    postMouse(toolbar, QEvent::MouseButtonRelease, at(f.client, 100, 100));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_EQ(toolbar->DockedTo(), f.top);
    QCoreApplication::processEvents();

    // So does the form losing activation to an unrelated window.
    QWidget other;
    other.show();
    postMouse(toolbar, QEvent::MouseMove, at(f.client, 100, 100));
    QApplication::setActiveWindow(&other);
    QCoreApplication::postEvent(f.form.get(), new QEvent(QEvent::WindowDeactivate));
    postMouse(toolbar, QEvent::MouseButtonRelease, at(f.client, 100, 100));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_EQ(toolbar->DockedTo(), f.top);
    other.hide();
    QCoreApplication::processEvents();

    // Hiding the window takes the mouse from it as well.
    postMouse(toolbar, QEvent::MouseMove, at(f.client, 100, 100));
    QCoreApplication::postEvent(toolbar, new QEvent(QEvent::Hide));
    postMouse(toolbar, QEvent::MouseButtonRelease, at(f.client, 100, 100));
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_EQ(toolbar->DockedTo(), f.top);
    QCoreApplication::processEvents();
}

TEST(ToolWindowDrag, ActivationMovingToTheFormsFloatingWindowKeepsTheDrag) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    TToolbar* floating = makeButtonBar(f.form.get(), 2);
    floating->setHideWhenInactive(false);
    f.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
    // The form's own floating window becoming active does not take the mouse away.
    const QPoint drop = at(f.client, 150, 120);
    postMouse(toolbar, QEvent::MouseMove, drop);
    QApplication::setActiveWindow(floating->FloatingHost());
    QCoreApplication::postEvent(f.form.get(), new QEvent(QEvent::WindowDeactivate));
    postMouse(toolbar, QEvent::MouseButtonRelease, drop);
    QTest::mousePress(toolbar, Qt::LeftButton, {}, handle);
    EXPECT_FALSE(toolbar->Docked()) << "the drag went on and floated the toolbar";
    QCoreApplication::processEvents();
}

namespace {

TToolbarButton* controlAt(TToolbar* toolbar, std::size_t index) {
    return qobject_cast<TToolbarButton*>(toolbar->OrderedControls().at(index));
}

} // namespace

TEST(ToolWindowDrag, PressingADisabledButtonLeavesTheToolbarInItsPlace) {
    DockedForm f;
    TToolbar* toolbar = makeStandardToolbar(f.top);
    TToolbarButton* add = controlAt(toolbar, 4);
    ASSERT_FALSE(add->isEnabled());
    const QRect before = toolbar->geometry();
    std::vector<QPoint> presses;
    QObject::connect(add, &TToolbarButton::OnMouseDown,
                     [&presses](TToolbarButton*, Qt::MouseButton, Qt::KeyboardModifiers, int x,
                                int y) { presses.emplace_back(x, y); });
    // A short drag starting on the disabled button.
    postMouse(toolbar, QEvent::MouseMove, at(add, 10, 30));
    postMouse(toolbar, QEvent::MouseButtonRelease, at(add, 10, 30));
    QTest::mousePress(add, Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(toolbar->DockedTo(), f.top) << "the toolbar was dragged off its dock";
    EXPECT_EQ(toolbar->geometry(), before);
    EXPECT_EQ(presses, std::vector<QPoint>{QPoint(10, 10)}) << "the button gets its OnMouseDown";
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(add->ButtonDrawState(), TButtonState::bsDisabled);

    doubleClick(add, QPoint(10, 10));
    EXPECT_EQ(toolbar->DockedTo(), f.top) << "a double click on it does not float the toolbar";
}

TEST(ToolWindowDrag, PressingADisabledButtonOnAFloatingToolbarMovesNothing) {
    DockedForm f;
    TToolbar* toolbar = makeButtonBar(f.form.get(), 4);
    toolbar->setHideWhenInactive(false);
    toolbar->setFloatingPosition(at(f.client, 20, 20));
    toolbar->setDefaultDock(f.top);
    TToolbarButton* disabled = controlAt(toolbar, 1);
    disabled->setEnabled(false);
    postMouse(toolbar, QEvent::MouseMove, at(f.client, 200, 200));
    postMouse(toolbar, QEvent::MouseButtonRelease, at(f.client, 200, 200));
    QTest::mousePress(disabled, Qt::LeftButton, {}, QPoint(10, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(toolbar->FloatingPosition(), at(f.client, 20, 20));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    doubleClick(disabled, QPoint(10, 10));
    EXPECT_FALSE(toolbar->Docked());
}
