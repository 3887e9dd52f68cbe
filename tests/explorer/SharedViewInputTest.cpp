// The input controller both views share: events in, what they mean for the items out.
#include "SharedViewInput.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// A view that answers by a fixed press place and writes down what it was asked to do.
class RecordingTarget : public TViewInputTarget {
public:
    TPressPlace Place = TPressPlace::Item;
    QStringList Asked;

    TPressPlace PressPlaceAt(QPoint, Qt::MouseButton) const override { return Place; }
    void ClearItemSelection() override { Asked << "clear"; }
    bool ShowItemMenuAt(QPoint, QPoint) override {
        Asked << "shell menu";
        return true;
    }
    void OpenParentFolder() override { Asked << "parent"; }
    void RefreshFolder() override { Asked << "refresh"; }
    void AutoscrollAt(QPoint) override { Asked << "autoscroll"; }
    void HotTrackAt(QPoint) override { Asked << "hot"; }
    void FocusLeft() override { Asked << "left"; }
};

QMouseEvent mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons = {},
                  Qt::KeyboardModifiers modifiers = {}) {
    return QMouseEvent(type, QPointF(5, 5), QPointF(5, 5), QPointF(5, 5), button, buttons,
                       modifiers);
}

TEST(ViewInputController, APressOnEmptySpaceClearsAndSwallowsItsMovesAndRelease) {
    RecordingTarget target;
    TViewInputController input(target, TPopupMenuMethod::pmmContext, true);
    target.Place = TPressPlace::EmptySpace;
    EXPECT_TRUE(input.MousePress(mouse(QEvent::MouseButtonPress, Qt::LeftButton)));
    EXPECT_TRUE(input.MousePress(
        mouse(QEvent::MouseButtonPress, Qt::LeftButton, {}, Qt::ControlModifier)));
    EXPECT_EQ(target.Asked, QStringList{"clear"}) << "a Ctrl press extends the selection";
    EXPECT_TRUE(input.MouseMove(mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton)));
    target.Place = TPressPlace::Item;
    EXPECT_TRUE(input.MouseRelease(mouse(QEvent::MouseButtonRelease, Qt::LeftButton)));
    EXPECT_FALSE(input.MouseRelease(mouse(QEvent::MouseButtonRelease, Qt::LeftButton)));
}

TEST(ViewInputController, InertPlacesAndRightPressesWithoutRightClickSelect) {
    RecordingTarget target;
    TViewInputController input(target, TPopupMenuMethod::pmmContext, false);
    EXPECT_TRUE(input.MousePress(mouse(QEvent::MouseButtonPress, Qt::RightButton)));
    EXPECT_FALSE(input.MousePress(mouse(QEvent::MouseButtonPress, Qt::LeftButton)));
    input.Settings.RightClickSelect = true;
    EXPECT_FALSE(input.MousePress(mouse(QEvent::MouseButtonPress, Qt::RightButton)));
    target.Place = TPressPlace::Inert;
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        QMouseEvent event = mouse(type, Qt::LeftButton);
        EXPECT_TRUE(input.ViewportEvent(event)) << type;
    }
    EXPECT_TRUE(target.Asked.isEmpty());
}

TEST(ViewInputController, RightReleaseAsksForTheShellMenuByMethod) {
    for (const auto& [method, asked] :
         {std::pair{TPopupMenuMethod::pmmNone, false}, {TPopupMenuMethod::pmmContext, true},
          {TPopupMenuMethod::pmmUser, false}, {TPopupMenuMethod::pmmContextUser, true}}) {
        RecordingTarget target;
        TViewInputController input(target, method, true);
        EXPECT_TRUE(input.MouseRelease(mouse(QEvent::MouseButtonRelease, Qt::RightButton)));
        EXPECT_EQ(target.Asked.contains("shell menu"), asked) << int(method);
    }
}

TEST(ViewInputController, FolderKeysMovesAndFocus) {
    RecordingTarget target;
    TViewInputController input(target, TPopupMenuMethod::pmmContext, true);
    EXPECT_TRUE(input.KeyPress(QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, {})));
    EXPECT_TRUE(input.KeyPress(QKeyEvent(QEvent::KeyPress, Qt::Key_F5, Qt::KeypadModifier)));
    EXPECT_FALSE(input.KeyPress(QKeyEvent(QEvent::KeyPress, Qt::Key_F5, Qt::ControlModifier)));
    EXPECT_FALSE(input.MouseMove(mouse(QEvent::MouseMove, Qt::NoButton)));
    input.Settings.HotTrack = input.Settings.Autoscroll = true;
    input.MouseMove(mouse(QEvent::MouseMove, Qt::NoButton));
    input.FocusOut(QFocusEvent(QEvent::FocusOut, Qt::PopupFocusReason));
    input.FocusOut(QFocusEvent(QEvent::FocusOut, Qt::TabFocusReason));
    EXPECT_EQ(target.Asked, (QStringList{"parent", "refresh", "hot", "autoscroll", "left"}));
}

} // namespace
