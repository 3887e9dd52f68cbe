// The real main window's menu bar and toolbar as assistive technology reads them.
#include "ChromeAccessibility.h"
#include "Main.h"
#include "MenuItems.h"
#include "ScenarioListView.h"
#include "ScriptedDialogs.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "ToolbarButtons.h"
#include "Toolbars.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QAccessible::Role expectedRole(const TCommandRow& row) {
    if (row.Control == TToolbarControl::VersionCombo)
        return QAccessible::ButtonMenu;
    return row.Check == TCheckStyle::Radio ? QAccessible::CheckBox : QAccessible::PushButton;
}

class AccessibleWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallChromeAccessibility(); }

    ScriptedDialogs dialogs;
    TForm1 form{dialogs, {}};
};

} // namespace

TEST_F(AccessibleWindow, EveryToolbarControlIsNamedAfterItsHintAndFollowsItsItem) {
    for (const std::optional<TCommandId>& id : MainToolbarOrder()) {
        if (!id)
            continue;
        const TCommandRow& row = CommandRow(*id);
        SCOPED_TRACE(row.Hint);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(form.Bars.Control(*id));
        ASSERT_NE(face, nullptr);
        const TMenuItem* item = form.Menus.Item(*id);
        EXPECT_EQ(face->role(), expectedRole(row));
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromLatin1(row.Hint));
        EXPECT_EQ(bool(face->state().disabled), !item->isEnabled());
        EXPECT_EQ(bool(face->state().checked), item->isCheckable() && item->isChecked());
    }
}

TEST_F(AccessibleWindow, EveryMenuItemIsNamedAfterItsCaptionAndShowsItsMark) {
    for (const TCommandRow& row : MainCommands()) {
        if (row.Menu == TMenuPlace::None)
            continue;
        SCOPED_TRACE(row.Caption);
        TMenuItem* item = form.Menus.Item(row.Id);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(item);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::MenuItem);
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromLatin1(row.Caption).remove(u'&'));
        EXPECT_EQ(face->parent(),
                  QAccessible::queryAccessibleInterface(item->associatedObjects().value(0)));
        EXPECT_EQ(bool(face->state().checkable), row.Check != TCheckStyle::None);
        EXPECT_EQ(bool(face->state().checked), item->isChecked());
        EXPECT_EQ(bool(face->state().disabled), !item->isEnabled());
    }
}

TEST_F(AccessibleWindow, TheMenuBarHoldsItsCaptionsNamedWithoutTheirMarks) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Bars.MenuBar)->role(),
              QAccessible::MenuBar);
    const std::pair<TToolbarButton*, const char*> captions[] = {
        {form.Bars.FileMenuBtn, "File"},
        {form.Bars.ScenarioMenuBtn, "Scenario"},
        {form.Bars.ViewMenuBtn, "View"},
        {form.Bars.HelpMenuBtn, "Help"},
    };
    for (const auto& [button, name] : captions) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
        EXPECT_EQ(face->role(), QAccessible::MenuItem);
        EXPECT_EQ(face->text(QAccessible::Name), name);
    }
}

// A press on a view item or a view button changes the view, and the item and the button agree.
TEST_F(AccessibleWindow, PressingAViewItemOrButtonChangesTheView) {
    const std::pair<QObject*, TCommandId> presses[] = {
        {form.Menus.Item(TCommandId::SmallIcons), TCommandId::SmallIcons},
        {form.Bars.Button(TCommandId::LargeIcons), TCommandId::LargeIcons},
    };
    for (const auto& [control, id] : presses) {
        QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        const TViewStyle style =
            id == TCommandId::SmallIcons ? TViewStyle::vsSmallIcon : TViewStyle::vsIcon;
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return form.SystemListView->ViewStyle() == style; }, 2000));
        EXPECT_TRUE(form.Menus.Item(id)->isChecked());
        EXPECT_TRUE(form.Bars.Button(id)->Down());
    }
}

// The three lists are named, and an empty one that has the keyboard shows a focus frame, since
// Qt draws its focus rectangle around the current item only.
TEST_F(AccessibleWindow, TheListsAreNamedAndAnEmptyFocusedListShowsItsFocus) {
    const std::pair<QWidget*, const char*> names[] = {
        {form.SystemTreeView, "Folders"},
        {form.SystemListView, "Files"},
        {form.SystemListView->CurrentView(), "Files"},
        {form.ScenarioListView, "Scenarios"},
    };
    for (const auto& [list, name] : names)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name), name);

    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_EQ(form.ScenarioListView->model()->rowCount(), 0);
    const QImage unfocused = form.ScenarioListView->viewport()->grab().toImage();
    form.ScenarioListView->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(form.ScenarioListView->hasFocus());
    EXPECT_NE(form.ScenarioListView->viewport()->grab().toImage(), unfocused);
}
