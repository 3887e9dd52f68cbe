// Gives every test of a suite one QApplication on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class WidgetAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "brindlewick-tests";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new WidgetAppEnvironment);

} // namespace
