// The real main window's menu bar and toolbar as assistive technology reads them.
#include "ChromeAccessibility.h"
#include "ChromeContext.h"
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
#include <QApplication>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

QAccessible::Role expectedRole(const TCommandRow& row) {
    if (row.Control == TToolbarControl::VersionCombo)
        return QAccessible::ButtonMenu;
    return row.Check == TCheckStyle::Radio ? QAccessible::CheckBox : QAccessible::PushButton;
}

class AccessibleWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallChromeAccessibility(); }
    AccessibleWindow() { chrome.attachTo(&form); }

    TChromeContext chrome;
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

// The status bar reads as its text, so a new check note is announced as a new name of the
// status bar, as Qt announces a new message.
TEST_F(AccessibleWindow, TheStatusBarAnnouncesANewCheckNote) {
    std::vector<QString> names;
    chrome.setAnnouncementListener([&names, this](QAccessibleEvent& event) {
        if (event.type() == QAccessible::NameChanged && event.object() == form.StatusBar)
            names.push_back(event.accessibleInterface()->text(QAccessible::Name));
    });
    dialogs.FileAnswers = {QStringLiteral(BRINDLEWICK_TEST_DATA_DIR "/good/Three.cpx")};
    form.CampaignCommands().OpenItemClick();
    chrome.setAnnouncementListener({});
    EXPECT_EQ(names, (std::vector<QString>{
                         QStringLiteral("2 problems found (Scenario \u25B8 Check Campaign...)")}));
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

namespace {

// The objects that focus announcements named, in order.
std::vector<QObject*>& announcedFocus() {
    static std::vector<QObject*> objects;
    return objects;
}

void recordFocus(QAccessibleEvent& event) {
    if (event.type() == QAccessible::Focus)
        announcedFocus().push_back(event.accessibleInterface()->object());
}

// A key as the window system delivers it: to the open menu, else to the window.
void press(QWidget* window, QKeyCombination key) {
    if (QWidget* popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, key.key(), key.keyboardModifiers());
    else
        QTest::keyClick(window->windowHandle(), key.key(), key.keyboardModifiers());
}

// Runs each step from the event loop, one after another, so that a step may open a menu whose
// tracking loop runs the steps after it.
void runSteps(std::vector<std::function<void()>> steps, int interval = 40) {
    auto left = std::make_shared<std::deque<std::function<void()>>>(steps.begin(), steps.end());
    auto next = std::make_shared<std::function<void()>>();
    *next = [left, next, interval] {
        if (left->empty())
            return;
        const std::function<void()> step = left->front();
        left->pop_front();
        QTimer::singleShot(interval, *next);
        step();
    };
    QTimer::singleShot(0, *next);
    ASSERT_TRUE(QTest::qWaitFor([left] { return left->empty(); }, 10000));
    QTest::qWait(2 * interval);
}

class MenuBarKeys : public AccessibleWindow {
protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.SystemTreeView->setFocus();
        announcedFocus().clear();
        chrome.setAnnouncementListener(recordFocus);
    }
    void TearDown() override {
        chrome.setAnnouncementListener({});
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    // The caption whose accessible state has the focus; none when no caption has it.
    QString focusedCaption() const {
        for (TToolbarButton* caption : captions())
            if (QAccessible::queryAccessibleInterface(caption)->state().focused)
                return QAccessible::queryAccessibleInterface(caption)->text(QAccessible::Name);
        return {};
    }
    QString openMenu() const {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (TToolbarButton* caption : captions())
            if (menu && caption->DropdownMenu() == menu)
                return QAccessible::queryAccessibleInterface(caption)->text(QAccessible::Name);
        return {};
    }
    std::vector<TToolbarButton*> captions() const {
        return {form.Bars.FileMenuBtn, form.Bars.EditMenuBtn, form.Bars.ScenarioMenuBtn,
                form.Bars.ViewMenuBtn, form.Bars.HelpMenuBtn};
    }
};

struct BarStep {
    QKeyCombination key;
    const char* focused; // the caption the keyboard is on
    const char* open;    // the caption whose menu is open
};

} // namespace

// Alt alone and F10 put the keyboard on the menu bar, Left and Right go round its captions, and
// a menu opens from it with its first item selected; in an open menu Left and Right open the
// neighbouring one; Esc goes back one step. Alt and a caption's letter open that menu as before.
TEST_F(MenuBarKeys, AltAndF10PutTheKeyboardOnTheMenuBar) {
    const BarStep alt = {Qt::Key_Alt, "File", ""};
    const std::vector<std::vector<BarStep>> journeys = {
        {alt, {Qt::Key_Right, "Edit", ""}, {Qt::Key_Left, "File", ""}, {Qt::Key_Left, "Help", ""},
         {Qt::Key_Right, "File", ""}, {Qt::Key_Escape, "", ""}},
        {{Qt::Key_F10, "File", ""}, {Qt::Key_Down, "", "File"}, {Qt::Key_Right, "", "Edit"},
         {Qt::Key_Left, "", "File"}, {Qt::Key_Left, "", "Help"}, {Qt::Key_Escape, "Help", ""},
         {Qt::Key_Space, "", "Help"}, {Qt::Key_Escape, "Help", ""}, {Qt::Key_Return, "", "Help"},
         {Qt::Key_Escape, "Help", ""}, {Qt::Key_F10, "", ""}},
        {alt, {Qt::Key_Alt, "", ""}, {Qt::Key_V, "", ""}},
        {alt, {Qt::Key_V, "", "View"}, {Qt::Key_Escape, "View", ""}, {Qt::Key_Home, "", ""}},
        {{Qt::ALT | Qt::Key_E, "", "Edit"}, {Qt::Key_Right, "", "Scenario"},
         {Qt::Key_Escape, "Scenario", ""}, {Qt::Key_Escape, "", ""}},
        {{Qt::ALT | Qt::Key_H, "", "Help"}, {Qt::Key_Escape, "", ""}, {Qt::Key_Down, "", ""}},
    };
    for (const std::vector<BarStep>& journey : journeys) {
        std::vector<std::function<void()>> steps;
        for (const BarStep& step : journey) {
            steps.push_back([this, step] { press(&form, step.key); });
            // What the key left, checked once the event loop has run.
            steps.push_back([this, step] {
                SCOPED_TRACE(QKeySequence(step.key).toString().toStdString());
                EXPECT_EQ(focusedCaption(), QString::fromLatin1(step.focused));
                EXPECT_EQ(openMenu(), QString::fromLatin1(step.open));
                EXPECT_TRUE(form.SystemTreeView->hasFocus());
                // Alt and a letter open the menu as before; from the bar its first item is chosen
                // (a disabled one too, as the menus' style lets the keyboard stop on it).
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (menu && !(step.key.keyboardModifiers() & Qt::AltModifier)) {
                    EXPECT_EQ(menu->activeAction(), menu->actions().value(0));
                }
            });
        }
        runSteps(steps);
    }
    // A click elsewhere leaves the bar.
    press(&form, Qt::Key_F10);
    ASSERT_EQ(focusedCaption(), "File");
    QTest::mouseClick(form.ScenarioListView->viewport(), Qt::LeftButton);
    EXPECT_EQ(focusedCaption(), "");
    // Each caption the keyboard reached was announced, and so was the list it left for.
    EXPECT_NE(std::find(announcedFocus().begin(), announcedFocus().end(), form.Bars.HelpMenuBtn),
              announcedFocus().end());
    EXPECT_NE(std::find(announcedFocus().begin(), announcedFocus().end(), form.SystemTreeView),
              announcedFocus().end());
}
