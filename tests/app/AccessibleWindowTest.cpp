// The real main window's menu bar and toolbar as assistive technology reads them.
#include "ChromeAccessibility.h"
#include "Main.h"
#include "MenuItems.h"
#include "ScriptedDialogs.h"
#include "SystemListView.h"
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
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Bars.Button(TCommandId::ApplyVersion))
                  ->text(QAccessible::Value),
              "1.11");
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

TEST_F(AccessibleWindow, MenuBarCaptionsAreMenuItemsNamedWithoutTheirMarks) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Bars.MenuBar)->role(),
              QAccessible::MenuBar);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Bars.Toolbar)->text(QAccessible::Name),
              "Standard Toolbar");
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
        EXPECT_TRUE(face->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::showMenuAction()));
    }
}

TEST_F(AccessibleWindow, PressingAViewItemChangesTheViewAndItsButton) {
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(form.Menus.Item(TCommandId::SmallIcons));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return form.SystemListView->ViewStyle() == TViewStyle::vsSmallIcon; }, 2000));
    EXPECT_TRUE(face->state().checked);
    EXPECT_TRUE(form.Bars.Button(TCommandId::SmallIcons)->Down());
}

TEST_F(AccessibleWindow, PressingAViewButtonChangesTheView) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(form.Bars.Button(TCommandId::LargeIcons));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return form.SystemListView->ViewStyle() == TViewStyle::vsIcon; }, 2000));
    EXPECT_TRUE(face->state().checked);
    EXPECT_TRUE(form.Menus.Item(TCommandId::LargeIcons)->isChecked());
}
