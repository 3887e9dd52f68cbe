#include "ChromeAccessibility.h"
#include "ChromeContext.h"

#include "MarkingTranslator.h"
#include "MenuItems.h"
#include "OfficeMenus.h"
#include "PopupTestSupport.h"
#include "QtPrinters.h"
#include "QtTestEnvironment.h"
#include "ToolbarButtons.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

QAccessibleInterface* accessible(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control);
}

// Runs the events that a press through the accessibility framework leaves behind.
void settle() {
    QTest::qWait(20);
}

// A toolbar on a form, its buttons made as the program's window makes them.
class ChromeAccessibility : public ::testing::Test {
public:
    static void SetUpTestSuite() { InstallChromeAccessibility(); }
    void TearDown() override { closeAllPopups(); }

    TToolbarButton* glyphButton(const QString& hint) {
        auto* button = new TToolbarButton(m_bar);
        button->resize(25, 25);
        button->setHint(hint);
        return button;
    }
    TToolbarButton* viewButton(const QString& hint, bool down) {
        TToolbarButton* button = glyphButton(hint);
        button->setGroupIndex(1);
        button->setAllowAllUp(false);
        button->setDown(down);
        return button;
    }
    TToolbarButton* versionButton() {
        TToolbarButton* button = glyphButton(QStringLiteral("Apply Version"));
        button->setCaption(QStringLiteral("1.11"));
        button->setDropdownMenu(&m_menu);
        button->setDropdownAlways(true);
        button->setDropdownCombo(true);
        return button;
    }
    TToolbarButton* menuBarButton(const QString& caption) {
        auto* button = new TToolbarButton(m_bar);
        button->resize(33, 19);
        button->setCaption(caption);
        button->setDropdownArrow(false);
        button->setDropdownMenu(&m_menu);
        return button;
    }

    DockedForm m_form;
    TToolbar* m_bar = new TToolbar(m_form.top);
    TOfficePopupMenu m_menu;
    TMenuItem* m_item = m_menu.AddItem(QStringLiteral("&New"), 0);
};

struct ButtonCase {
    const char* what;
    std::function<TToolbarButton*(ChromeAccessibility&)> make;
    bool enabled;
    QAccessible::Role role;
    QString name;
    QString value;
    bool checkable;
    bool checked;
    bool hasPopup;
    int clicksOnPress;
    bool checkedAfterPress;
};

TEST_F(ChromeAccessibility, ToolbarButtonsTellWhatTheyAreAndPressAsAClickDoes) {
    using R = QAccessible::Role;
    const ButtonCase cases[] = {
        {"push", [](auto& t) { return t.glyphButton(QStringLiteral("Open")); }, true, R::PushButton,
         "Open", "", false, false, false, 1, false},
        {"disabled", [](auto& t) { return t.glyphButton(QStringLiteral("Add")); }, false,
         R::PushButton, "Add", "", false, false, false, 0, false},
        {"view up", [](auto& t) { return t.viewButton(QStringLiteral("List"), false); }, true,
         R::CheckBox, "List", "", true, false, false, 1, true},
        {"view down", [](auto& t) { return t.viewButton(QStringLiteral("Details"), true); }, true,
         R::CheckBox, "Details", "", true, true, false, 1, true},
        {"version", [](auto& t) { return t.versionButton(); }, true, R::ButtonMenu, "Apply Version",
         "1.11", false, false, true, 1, false},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.what);
        TToolbarButton* button = c.make(*this);
        button->setEnabled(c.enabled);
        button->show();
        int clicks = 0;
        QObject::connect(button, &TToolbarButton::OnClick, [&clicks] { ++clicks; });

        QAccessibleInterface* face = accessible(button);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), c.role);
        EXPECT_EQ(face->text(QAccessible::Name), c.name);
        EXPECT_EQ(face->text(QAccessible::Value), c.value);
        EXPECT_EQ(bool(face->state().checkable), c.checkable);
        EXPECT_EQ(bool(face->state().checked), c.checked);
        EXPECT_EQ(bool(face->state().hasPopup), c.hasPopup);
        EXPECT_EQ(bool(face->state().disabled), !c.enabled);

        QAccessibleActionInterface* actions = face->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        settle();
        EXPECT_EQ(clicks, c.clicksOnPress);
        EXPECT_EQ(button->Down(), c.checkedAfterPress);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "press opened a menu";
    }
}

TEST_F(ChromeAccessibility, SeparatorsAreSeparators) {
    auto* separator = new TToolbarSep(m_bar);
    ASSERT_NE(accessible(separator), nullptr);
    EXPECT_EQ(accessible(separator)->role(), QAccessible::Separator);
    m_menu.AddItem(QStringLiteral("-"));
    EXPECT_EQ(accessible(&m_menu)->child(1)->role(), QAccessible::Separator);
}

TEST_F(ChromeAccessibility, MenuItemsPressAsTheKeyboardChoosesThem) {
    TMenuItem* toolbar = m_menu.AddItem(QStringLiteral("&Toolbar"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    TMenuItem* add = m_menu.AddItem(QStringLiteral("&Add"));
    add->setEnabled(false);
    const struct {
        TMenuItem* item;
        const char* name;
        bool inOpenMenu;
        bool checkable;
        bool checkedAfterPress;
        int clicksOnPress;
    } cases[] = {
        {m_item, "New", true, false, false, 1},
        {toolbar, "Toolbar", true, true, false, 1},
        {toolbar, "Toolbar", false, true, true, 1},
        {add, "Add", true, false, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int clicks = 0;
        const auto counted = QObject::connect(c.item, &TMenuItem::OnClick, [&clicks] { ++clicks; });
        QAccessibleInterface* menu = accessible(&m_menu);
        ASSERT_NE(menu, nullptr);
        QAccessibleInterface* face = menu->child(int(m_menu.actions().indexOf(c.item)));
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->object(), c.item);
        EXPECT_EQ(face->parent(), menu);
        EXPECT_EQ(face->role(), QAccessible::MenuItem);
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromLatin1(c.name));
        EXPECT_EQ(bool(face->state().checkable), c.checkable);
        EXPECT_EQ(bool(face->state().disabled), !c.item->isEnabled());
        const QString press = QAccessibleActionInterface::pressAction();
        if (c.inOpenMenu) {
            whenPopupShown([face, press](QMenu* open) {
                face->actionInterface()->doAction(press);
                if (open->isVisible())
                    open->close();
            });
            m_menu.Popup(100, 100);
        } else {
            face->actionInterface()->doAction(press);
        }
        settle();
        EXPECT_EQ(clicks, c.clicksOnPress);
        EXPECT_EQ(c.item->isChecked(), c.checkedAfterPress);
        QObject::disconnect(counted);
    }
}

TEST_F(ChromeAccessibility, ToolbarsAreNamedToolBarsOrMenuBarsByWhatTheyHold) {
    const struct {
        std::function<void(ChromeAccessibility&)> fill;
        QAccessible::Role role;
    } cases[] = {
        {[](auto& t) { t.glyphButton(QStringLiteral("Open")); }, QAccessible::ToolBar},
        {[](auto& t) { t.menuBarButton(QStringLiteral("&File")); }, QAccessible::MenuBar},
        {[](auto& t) {
             t.menuBarButton(QStringLiteral("&File"));
             t.glyphButton(QStringLiteral("Open"));
         },
         QAccessible::ToolBar},
    };
    for (const auto& c : cases) {
        m_bar = new TToolbar(m_form.top);
        m_bar->setCaption(QStringLiteral("Standard Toolbar"));
        c.fill(*this);
        QAccessibleInterface* face = accessible(m_bar);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), c.role);
        EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Standard Toolbar"));
    }
}

TEST_F(ChromeAccessibility, MenuBarCaptionsOpenTheirMenuOnPressAndShowMenu) {
    for (const QString& action : {QAccessibleActionInterface::pressAction(),
                                  QAccessibleActionInterface::showMenuAction()}) {
        SCOPED_TRACE(action.toStdString());
        TToolbarButton* button = menuBarButton(QStringLiteral("&File"));
        button->show();
        int dropdowns = 0;
        QObject::connect(button, &TToolbarButton::OnDropdown, [&dropdowns] { ++dropdowns; });

        QAccessibleInterface* face = accessible(button);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::MenuItem);
        EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("File"));
        EXPECT_TRUE(face->state().hasPopup);
        EXPECT_TRUE(face->state().expandable);
        EXPECT_FALSE(face->state().expanded);

        bool expandedWhileOpen = false;
        bool opened = false;
        whenPopupShown([&](QMenu* menu) {
            opened = menu == &m_menu;
            expandedWhileOpen = face->state().expanded;
            menu->close();
        });
        face->actionInterface()->doAction(action);
        EXPECT_TRUE(QTest::qWaitFor([&] { return opened; }, 2000));
        settle();
        EXPECT_TRUE(expandedWhileOpen);
        EXPECT_FALSE(face->state().expanded);
        EXPECT_EQ(dropdowns, 1);
        delete button;
    }
}

// The child of `face` with that role, if any.
QAccessibleInterface* childWithRole(QAccessibleInterface* face, QAccessible::Role role) {
    for (int i = 0; i < face->childCount(); ++i)
        if (face->child(i)->role() == role)
            return face->child(i);
    return nullptr;
}

TEST_F(ChromeAccessibility, DocksAreNamedByTheirEdgeAndDockedBarsHaveANamedGrip) {
    const std::pair<TDock*, const char*> docks[] = {{m_form.top, "Top dock"},
                                                    {m_form.bottom, "Bottom dock"},
                                                    {m_form.left, "Left dock"},
                                                    {m_form.right, "Right dock"}};
    for (const auto& [dock, name] : docks) {
        ASSERT_NE(accessible(dock), nullptr);
        EXPECT_EQ(accessible(dock)->role(), QAccessible::Pane);
        EXPECT_EQ(accessible(dock)->text(QAccessible::Name), name);
    }
    m_bar->setCaption(QStringLiteral("Standard Toolbar"));
    glyphButton(QStringLiteral("Open"));
    m_bar->show();
    QAccessibleInterface* grip = childWithRole(accessible(m_bar), QAccessible::Grip);
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(grip->text(QAccessible::Name), QStringLiteral("Move Standard Toolbar"));
    EXPECT_EQ(grip->parent(), accessible(m_bar));
    EXPECT_EQ(accessible(m_bar)->indexOfChild(grip), 0);
    EXPECT_TRUE(QRect(m_bar->mapToGlobal(QPoint(0, 0)), m_bar->size()).contains(grip->rect()));
    EXPECT_EQ(accessible(m_bar)->childAt(grip->rect().center().x(), grip->rect().center().y()),
              grip);
    EXPECT_EQ(childWithRole(accessible(m_bar), QAccessible::PushButton)->text(QAccessible::Name),
              QStringLiteral("Open"))
        << "the buttons follow the grip";
}

TEST_F(ChromeAccessibility, AFloatingBarIsAWindowNamedAfterItWhoseCloseButtonHidesIt) {
    TToolbar* bar = makeButtonBar(m_form.form.get(), 2);
    bar->setCaption(QStringLiteral("Standard Toolbar"));
    bar->setHideWhenInactive(false);
    int closes = 0;
    bar->OnClose = [&closes](TCustomToolWindow*) { ++closes; };
    TFloatingWindowParent* host = bar->FloatingHost();
    ASSERT_TRUE(host && host->isVisible());
    EXPECT_EQ(accessible(host)->role(), QAccessible::Window);
    EXPECT_EQ(accessible(host)->text(QAccessible::Name), QStringLiteral("Standard Toolbar"));
    EXPECT_EQ(childWithRole(accessible(bar), QAccessible::Grip), nullptr);

    QAccessibleInterface* close = childWithRole(accessible(bar), QAccessible::PushButton);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(QAccessible::Name), QStringLiteral("Close"));
    EXPECT_EQ(close->parent(), accessible(bar));
    const QRect glyph = bar->CloseButtonRect();
    EXPECT_EQ(close->rect(), QRect(bar->mapToGlobal(glyph.topLeft()), glyph.size()));
    ASSERT_NE(close->actionInterface(), nullptr);
    EXPECT_EQ(close->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([bar] { return !bar->Visible(); }, 2000));
    EXPECT_FALSE(host->isVisible());
    EXPECT_EQ(closes, 1);
}

TEST_F(ChromeAccessibility, TheNamesTheChromeGivesGoThroughTheTranslator) {
    const MarkingTranslator translator;
    m_bar->setCaption(QStringLiteral("Standard Toolbar"));
    glyphButton(QStringLiteral("Open"));
    m_bar->show();
    TToolbar* floating = makeButtonBar(m_form.form.get(), 2);
    floating->setHideWhenInactive(false);
    QStringList names;
    for (TDock* dock : {m_form.top, m_form.bottom, m_form.left, m_form.right})
        names << accessible(dock)->text(QAccessible::Name);
    names << childWithRole(accessible(m_bar), QAccessible::Grip)->text(QAccessible::Name)
          << childWithRole(accessible(floating), QAccessible::PushButton)->text(QAccessible::Name);
    EXPECT_EQ(names, (QStringList{"TDockAccessible|Top dock", "TDockAccessible|Bottom dock",
                                  "TDockAccessible|Left dock", "TDockAccessible|Right dock",
                                  "TToolWindowPartAccessible|Move Standard Toolbar",
                                  "TToolWindowPartAccessible|Close"}));
}

// The keyboard moving through an open menu is announced item by item, disabled ones too, so
// that a screen reader follows it.
TEST_F(ChromeAccessibility, TheHighlightedMenuItemIsAnnounced) {
    TMenuItem* add = m_menu.AddItem(QStringLiteral("&Add"));
    add->setEnabled(false);
    TMenuItem* remove = m_menu.AddItem(QStringLiteral("&Remove"));
    // The menu has no parent: it reaches the application's context.
    TChromeContext application;
    application.attachTo(qApp);
    std::vector<QObject*> announced;
    application.setAnnouncementListener([&announced](QAccessibleEvent& event) {
        if (event.type() == QAccessible::Focus)
            announced.push_back(event.accessibleInterface()->object());
    });
    whenPopupShown([](QMenu* open) {
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(open, Qt::Key_Down);
        open->close();
    });
    m_menu.Popup(100, 100);
    EXPECT_EQ(announced, (std::vector<QObject*>{m_item, add, remove}));
}

TEST_F(ChromeAccessibility, TheStatusBarReadsItsText) {
    QStatusBar status(m_form.form.get());
    auto* note = new QLabel(QStringLiteral("2 problems found"), &status);
    status.addWidget(note);
    status.show();
    ASSERT_NE(accessible(&status), nullptr);
    EXPECT_EQ(accessible(&status)->role(), QAccessible::StatusBar);
    EXPECT_EQ(accessible(&status)->text(QAccessible::Name), QStringLiteral("2 problems found"));
    status.showMessage(QStringLiteral("Characters refused"));
    EXPECT_EQ(accessible(&status)->text(QAccessible::Name), QStringLiteral("Characters refused"));
    EXPECT_EQ(accessible(&status)->text(QAccessible::Value), QStringLiteral("Characters refused"));
}

} // namespace
