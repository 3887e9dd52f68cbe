// Renaming in the scenario list, driven by real key and mouse events on the offscreen platform.
#include "EventLoop.h"
#include "ScenarioListModel.h"
#include "ScenarioListView.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TRenameCall {
    int Row;
    std::string RawName;
    std::optional<std::string> RawFileName;
    bool operator==(const TRenameCall&) const = default;
};

void PrintTo(const TRenameCall& call, std::ostream* out) {
    *out << call.Row << " \"" << call.RawName << "\" " << call.RawFileName.value_or("(none)");
}

} // namespace

class ScenarioRename : public ::testing::Test {
protected:
    void SetUp() override {
        campaign.AppendEntry(MakeEntry("Alpha", "alpha.scn", std::make_unique<TScenario>()));
        campaign.AppendEntry(MakeEntry("Beta", "beta.scx", std::make_unique<TScenario>()));
        model.Reset([] {});
        view.setModel(&model);
        view.setTextCodec(&codec);
        view.OnRename = [this](TScenarioListView*, int row, std::string name,
                               std::optional<std::string> fileName) {
            renames.push_back({row, std::move(name), std::move(fileName)});
        };
        view.OnInputRefused = [this](TScenarioListView*, const QString& note) { notes << note; };
        view.resize(600, 200);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.setCurrentIndex(model.index(1, 0));
        view.setFocus();
    }

    static QLineEdit* editor() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

    // Sends a character as a keyboard layout that has it would.
    static void type(QWidget* widget, const QString& character) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, character, Qt::NoModifier);
    }

    void startRename(const QString& expectedName) {
        QTest::keyClick(&view, Qt::Key_F2);
        ASSERT_NE(editor(), nullptr);
        EXPECT_EQ(editor()->text(), expectedName);
    }

    TTextCodec codec;
    TCampaign campaign;
    TScenarioListModel model{campaign, codec};
    TScenarioListView view;
    std::vector<TRenameCall> renames;
    QStringList notes;
};

TEST_F(ScenarioRename, F2EditsTheNameAndEnterRenamesOnceInTheCodePage) {
    ASSERT_NO_FATAL_FAILURE(startRename("Beta"));
    QTest::keyClicks(editor(), "Gr");
    type(editor(), QStringLiteral("ü"));
    QTest::keyClicks(editor(), "n");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_TRUE(WaitFor([] { return editor() == nullptr; }));
    EXPECT_EQ(renames, (std::vector<TRenameCall>{{1, "Gr\xFCn", std::nullopt}}));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::DisplayRole).toString(), "Beta");
}

TEST_F(ScenarioRename, TabMovesToTheFileNameAndEnterStoresBoth) {
    ASSERT_NO_FATAL_FAILURE(startRename("Beta"));
    QTest::keyClicks(editor(), "Gamma");
    QTest::keyClick(editor(), Qt::Key_Tab);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "beta.scx");
    QTest::keyClicks(editor(), "gamma.scx");
    QTest::keyClick(editor(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "Gamma");
    QTest::keyClick(editor(), Qt::Key_Tab);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "gamma.scx");
    QTest::keyClick(editor(), Qt::Key_Enter);
    EXPECT_TRUE(WaitFor([] { return editor() == nullptr; }));
    EXPECT_EQ(renames, (std::vector<TRenameCall>{{1, "Gamma", "gamma.scx"}}));
}

TEST_F(ScenarioRename, EscapeOrNoChangeRenamesNothing) {
    ASSERT_NO_FATAL_FAILURE(startRename("Beta"));
    QTest::keyClicks(editor(), "Gamma");
    QTest::keyClick(editor(), Qt::Key_Tab);
    QTest::keyClicks(editor(), "gamma.scx");
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_EQ(editor(), nullptr);
    ASSERT_NO_FATAL_FAILURE(startRename("Beta"));
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_TRUE(WaitFor([] { return editor() == nullptr; }));
    EXPECT_TRUE(renames.empty());
}

TEST_F(ScenarioRename, ARefusedCharacterLeavesTheTextAndIsNoted) {
    ASSERT_NO_FATAL_FAILURE(startRename("Beta"));
    QTest::keyClicks(editor(), "Kiev");
    type(editor(), QStringLiteral("ж"));
    QApplication::clipboard()->setText(QString(300, u'x'));
    QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor()->text(), "Kiev");
    EXPECT_EQ(notes, (QStringList{QStringLiteral("The code page WINDOWS-1252 cannot hold “ж”."),
                                  QStringLiteral("A scenario name holds at most 254 bytes.")}));
}

TEST_F(ScenarioRename, ASlowClickOnTheSelectedRowEditsTheClickedTextButADoubleClickDoesNot) {
    const QPoint fileName = view.visualRect(model.index(1, 1)).center();
    // A press and release, the double-click and its release, as the window system sends them.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, fileName);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, fileName);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, fileName);
    QTest::qWait(2 * QApplication::doubleClickInterval());
    EXPECT_EQ(editor(), nullptr);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, fileName);
    ASSERT_TRUE(WaitFor([] { return editor() != nullptr; }));
    EXPECT_EQ(editor()->text(), "beta.scx");
}
