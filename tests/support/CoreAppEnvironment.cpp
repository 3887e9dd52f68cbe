// Gives every test of a suite one QCoreApplication, so that watcher callbacks and deferred
// deletions have an event loop to run in.
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CoreAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "brindlewick-tests";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<QCoreApplication> m_application;
};

[[maybe_unused]] ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new CoreAppEnvironment);

} // namespace
