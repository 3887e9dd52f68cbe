#include "ChromeAccessibility.h"
#include "ChromeContext.h"
#include "ToolbarButtons.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A shown window carrying its own context, with one button whose hint is `hint`.
struct ContextWindow {
    ChromeContext context;
    QWidget window;
    TToolbarButton* button = new TToolbarButton(&window);
    std::vector<QObject*> announced;

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
    ~ContextWindow() { context.setAnnouncementListener({}); }
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

// The nearest carrier in the ancestry wins, then the application object's; nothing is reached
// once the contexts are gone.
TEST(ChromeContext, AnObjectReachesTheNearestCarrierElseTheApplications) {
    auto application = std::make_unique<ChromeContext>();
    auto form = std::make_unique<ChromeContext>();
    auto tool = std::make_unique<ChromeContext>();
    application->attachTo(qApp);
    QWidget window;
    form->attachTo(&window);
    auto* deep = new QWidget(new QWidget(&window));
    auto* toolWindow = new QWidget(&window, Qt::Tool);
    tool->attachTo(toolWindow);
    auto* inTool = new QWidget(toolWindow);
    QWidget alone;

    EXPECT_EQ(ChromeContext::of(deep), form.get());
    EXPECT_EQ(ChromeContext::of(inTool), tool.get());
    EXPECT_EQ(ChromeContext::of(&alone), application.get());
    tool.reset();
    EXPECT_EQ(ChromeContext::of(inTool), form.get());
    application.reset();
    EXPECT_EQ(ChromeContext::of(&alone), nullptr);
}
