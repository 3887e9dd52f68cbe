#include "ToolbarKeyboard.h"

#include "ChromeAccessibility.h"
#include "MenuItems.h"
#include "OfficeMenus.h"
#include "PopupTestSupport.h"
#include "QtTestEnvironment.h"
#include "ToolbarButtons.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The standard toolbar's shape (controls 0, 1, 2, 14, 16 to 19 and 21 enabled) on a form whose
// text field has the focus, driven by real key events.
class ToolbarKeyboard : public ::testing::Test {
public:
    static void SetUpTestSuite() { InstallChromeAccessibility(); }
    void SetUp() override {
        m_keyboard = TToolbarKeyboard::Install(m_bar);
        m_form.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.form.get()));
        m_field->show();
        m_field->setFocus();
        m_form.context.setAnnouncementListener([this](QAccessibleEvent& event) {
            if (event.type() == QAccessible::Focus)
                m_announced.push_back(event.object());
        });
    }
    void TearDown() override {
        m_form.context.setAnnouncementListener({});
        closeAllPopups();
    }
    QWidget* control(std::size_t index) const { return m_bar->OrderedControls().at(index); }
    void key(Qt::Key key) { QTest::keyClick(m_field, key); }

    DockedForm m_form;
    TToolbar* m_bar = makeStandardToolbar(m_form.top);
    QLineEdit* m_field = new QLineEdit(m_form.client);
    TToolbarKeyboard* m_keyboard = nullptr;
    std::vector<QObject*> m_announced;
};

TEST_F(ToolbarKeyboard, GoesRoundTheEnabledControlsShowingAndTellingWhereItIs) {
    const QImage up = control(0)->grab().toImage();
    m_keyboard->Enter();
    EXPECT_NE(control(0)->grab().toImage(), up) << "the keyboard's control looks as before";
    const std::pair<Qt::Key, std::size_t> steps[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 14}, {Qt::Key_Left, 2},
        {Qt::Key_End, 21},  {Qt::Key_Right, 0}, {Qt::Key_Left, 21},  {Qt::Key_Home, 0},
    };
    std::vector<QObject*> expected{control(0)};
    for (const auto& [pressed, at] : steps) {
        key(pressed);
        EXPECT_EQ(m_keyboard->Highlighted(), control(at)) << "key " << pressed;
        expected.push_back(control(at));
    }
    EXPECT_EQ(m_announced, expected);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(control(0))->state().focused);

    key(Qt::Key_Escape);
    EXPECT_EQ(m_keyboard->Highlighted(), nullptr);
    EXPECT_EQ(m_announced.back(), m_field) << "the focus is told where it stayed";
    EXPECT_EQ(control(0)->grab().toImage(), up);
    EXPECT_TRUE(m_field->hasFocus());

    // Any other key leaves the toolbar and reaches the field.
    m_keyboard->Enter();
    QTest::keyClicks(m_field, QStringLiteral("x"));
    EXPECT_EQ(m_keyboard->Highlighted(), nullptr);
    EXPECT_EQ(m_field->text(), QStringLiteral("x"));
}

TEST_F(ToolbarKeyboard, SpacePressesAndDownOpensTheDropDownAtItsFirstItem) {
    auto* save = static_cast<TToolbarButton*>(control(2));
    int clicks = 0;
    QObject::connect(save, &TToolbarButton::OnClick, [&clicks] { ++clicks; });
    m_keyboard->Enter(TKeyboardStep::First);
    key(Qt::Key_End);
    key(Qt::Key_Home);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks == 1; }, 2000));
    EXPECT_EQ(m_keyboard->Highlighted(), save) << "the keyboard stays after a press";

    TOfficePopupMenu versions;
    QAction* first = versions.AddItem(QStringLiteral("&Trial"), 0);
    versions.AddItem(QStringLiteral("&Quorvane"), 0);
    auto* version = static_cast<TToolbarButton*>(control(12));
    version->setEnabled(true);
    version->setDropdownMenu(&versions);
    version->setDropdownCombo(true);
    key(Qt::Key_Right);
    ASSERT_EQ(m_keyboard->Highlighted(), version);
    QAction* selected = nullptr;
    whenPopupShown([&selected](QMenu* open) {
        selected = open->activeAction();
        QTest::keyClick(open, Qt::Key_Escape);
    });
    key(Qt::Key_Down);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return selected != nullptr && !versions.isVisible(); }, 3000));
    EXPECT_EQ(selected, first);
    EXPECT_EQ(clicks, 1) << "opening the menu pressed nothing else";
    EXPECT_EQ(m_keyboard->Highlighted(), version) << "Esc in the menu goes back to its button";
}

} // namespace
