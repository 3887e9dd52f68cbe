#include "ChromeAccessibility.h"
#include "ChromeContext.h"
#include "ToolbarButtons.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A shown window carrying a context of its own, with one button whose hint is `hint`.
struct ContextWindow {
    std::vector<QObject*> announced;
    TChromeContext context;
    QWidget window;
    TToolbarButton* button = new TToolbarButton(&window);

    ContextWindow(const QString& hint, int x) {
        context.attachTo(&window);
        context.setAnnouncementListener(
            [this](QAccessibleEvent& event) { announced.push_back(event.object()); });
        button->setHint(hint);
        button->setGeometry(10, 10, 25, 25);
        window.setGeometry(x, 100, 200, 60);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

} // namespace

TEST(ChromeContext, TwoContextsShareNeitherHintsNorAnnouncements) {
    ContextWindow first(QStringLiteral("Open"), 100);
    ContextWindow second(QStringLiteral("Save"), 400);
    QTest::mouseMove(first.button, {5, 5});
    ASSERT_TRUE(first.button->MouseInControl());
    EXPECT_EQ(first.context.events().Hint(), "Open");
    EXPECT_EQ(second.context.events().Hint(), "");

    AnnounceFocus(second.button);
    EXPECT_TRUE(first.announced.empty());
    EXPECT_EQ(second.announced, (std::vector<QObject*>{second.button}));
}

TEST(ChromeContext, AnObjectReachesTheNearestCarrierElseTheApplications) {
    TChromeContext application;
    TChromeContext form;
    TChromeContext tool;
    application.attachTo(qApp);
    QWidget window;
    form.attachTo(&window);
    auto* toolWindow = new QWidget(&window, Qt::Tool);
    tool.attachTo(toolWindow);
    QWidget alone;
    EXPECT_EQ(TChromeContext::of(new QWidget(new QWidget(&window))), &form);
    EXPECT_EQ(TChromeContext::of(new QWidget(toolWindow)), &tool);
    EXPECT_EQ(TChromeContext::of(&alone), &application);
}
