// The editor's everyday paths in a real window: files in and out, the save question, the
// explorer, the view and the toolbars.
#include "AppTexts.h"
#include "RealWindow.h"
#include "WindowMap.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

using namespace WindowMap;

class WholeProgram : public RealWindow {
protected:
    QString scenario(const QString& folder, const char* name, const QByteArray& head,
                     int size = 64) {
        return MakeScenario(QDir(folder).filePath(QString::fromLatin1(name)), head, size);
    }
    // The explorer shows the home folder's scenario files, in name order.
    void showHomeInExplorer() {
        Driver->Click(At(TreeHome));
        Rest();
        Driver->SettledShot(Main().Geometry, 500);
    }
    QPoint fileRow(int row) { return At(FileListLeft, FileListFirstRow + row * FileRowHeight); }
    static constexpr int FileRowHeight = 18;
};

TEST_F(WholeProgram, OpenEditSaveAsEditSaveWritesTheExpectedBytes) {
    const QString a = scenario(Work, "a.scn", "1.10", 100);
    const QString b = scenario(Work, "b.scn", "1.11", 200);
    const QString c = scenario(Work, "c.scn", "1.18", 300);
    const QString campaign = MakeCampaign(QDir(Work).filePath(QStringLiteral("three.cpn")), {a, b});
    Start();
    OpenCampaign(campaign);
    ClickRow(0);
    ChangeList([&] { ClickButton(Centre(RemoveBtn)); });
    const QString saved = QDir(Work).filePath(QStringLiteral("out.cpn"));
    SaveCampaignAs(saved);
    ClickRow(0);
    ChangeList([&] {
        ClickButton(Centre(InsertBtn));
        AnswerFileDialog(QStringLiteral("Insert Scenario..."), c);
    });
    ClickButton(Centre(SaveBtn));
    WaitForSaved(saved, [](const auto& entries) { return entries.size() == 2; });

    // The same campaign made by the command-line companion, byte for byte.
    const QString expected =
        QDir(Folder.makeFolder(QStringLiteral("expected"))).filePath(QStringLiteral("out.cpn"));
    ASSERT_EQ(QProcess::execute(QStringLiteral(BRINDLEWICK_CLI),
                                {QStringLiteral("create"), expected, QStringLiteral("--title"),
                                 QStringLiteral("three"), c, b}),
              0);
    EXPECT_EQ(FileBytes(saved), FileBytes(expected));
}

TEST_F(WholeProgram, TheSaveQuestionOnNewAndExit) {
    const QString campaign =
        MakeCampaign(QDir(Work).filePath(QStringLiteral("two.cpn")),
                     {scenario(Work, "a.scn", "1.10"), scenario(Work, "b.scn", "1.11")});
    Start();
    OpenCampaign(campaign);
    const QString title = Main().Title;

    ChooseMenu(QStringLiteral("f"), QStringLiteral("n"));
    AnswerMessage(QStringLiteral("Escape"));
    EXPECT_EQ(Main().Title, title) << "Cancel kept the campaign";

    ClickRow(0);
    ChangeList([&] { ClickButton(Centre(RemoveBtn)); });
    ChooseMenu(QStringLiteral("f"), QStringLiteral("n"));
    AnswerMessage(QStringLiteral("y"));
    ASSERT_TRUE(WaitForCampaignTitle(AppTexts::UntitledFileName()));
    WaitForSaved(campaign, [](const auto& entries) { return entries.size() == 1; });

    OpenCampaign(campaign);
    ChooseMenu(QStringLiteral("f"), QStringLiteral("n"));
    AnswerMessage(QStringLiteral("n"));
    ASSERT_TRUE(WaitForCampaignTitle(AppTexts::UntitledFileName()));

    ChooseMenu(QStringLiteral("f"), QStringLiteral("x"));
    AnswerMessage(QStringLiteral("Escape"));
    EXPECT_TRUE(Program->Running()) << "Cancel keeps the window open";

    // Yes on an untitled campaign asks for a name, then the window closes.
    ChooseMenu(QStringLiteral("f"), QStringLiteral("x"));
    AnswerMessage(QStringLiteral("y"));
    const QString named = QDir(Work).filePath(QStringLiteral("named.cpn"));
    AnswerFileDialog(QStringLiteral("Save As"), named);
    EXPECT_EQ(Program->WaitForExit(WindowTimeout), std::optional<int>(0));
    WaitForSaved(named, [](const auto& entries) { return entries.empty(); });

    Start();
    ChooseMenu(QStringLiteral("f"), QStringLiteral("x"));
    AnswerMessage(QStringLiteral("n"));
    EXPECT_EQ(Program->WaitForExit(WindowTimeout), std::optional<int>(0));
}

TEST_F(WholeProgram, AddTakesSeveralExplorerFilesAndADragTakesOne) {
    scenario(Home, "s1.scn", "1.10");
    scenario(Home, "s2.scn", "1.11");
    scenario(Home, "s3.scx", "1.18");
    Start();
    showHomeInExplorer();
    Driver->Click(fileRow(0));
    Driver->Key(QStringLiteral("shift+End"));
    ClickButton(Centre(AddBtn));

    // A drag of the second file onto the scenario list adds it at the end.
    Driver->Click(fileRow(1));
    Driver->Drag(fileRow(1), At(ScenarioRow(6)));
    Rest();
    const QString saved = QDir(Work).filePath(QStringLiteral("added.cpn"));
    SaveCampaignAs(saved);
    const auto entries =
        WaitForSaved(saved, [](const auto& entries) { return entries.size() == 4; });
    // Add kept the explorer's order, whatever it is; the drag took its second file.
    auto names = FileNames(entries);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[3], names[1]);
    names.pop_back();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"s1.scn", "s2.scn", "s3.scx"}));
}

TEST_F(WholeProgram, ViewTogglesAndStylesKeepMenuButtonsAndWindowInStep) {
    Start();
    const QImage start = WindowShot(QRect(QPoint(), Main().Geometry.size()));
    const QImage detailsDown = WindowShot(Button(DetailsBtn));

    ChooseMenu(QStringLiteral("v"), QStringLiteral("t"));
    EXPECT_TRUE(Driver->WaitUntil(
        [&] { return WindowShot(TopDockArea) != start.copy(TopDockArea); }, 20000))
        << "the toolbar stayed";
    ChooseMenu(QStringLiteral("v"), QStringLiteral("b"));
    ChooseMenu(QStringLiteral("v"), QStringLiteral("t"));
    ChooseMenu(QStringLiteral("v"), QStringLiteral("b"));
    Rest();
    EXPECT_TRUE(Driver->WaitUntil(
        [&] { return WindowShot(QRect(QPoint(), Main().Geometry.size())) == start; }, 20000))
        << "toolbar and status bar did not come back as they were";

    ClickButton(Centre(SmallIconsBtn));
    EXPECT_TRUE(
        Driver->WaitUntil([&] { return WindowShot(Button(DetailsBtn)) != detailsDown; }, 20000))
        << "Details stayed down";
    ChooseMenu(QStringLiteral("v"), QStringLiteral("d"));
    EXPECT_TRUE(Driver->WaitUntil(
        [&] { return WindowShot(QRect(QPoint(), Main().Geometry.size())) == start; }, 20000))
        << "Details from the menu did not bring the details view and its button back";
}

TEST_F(WholeProgram, TheToolbarFloatsAndDocksAgain) {
    Start();
    const QImage docked = WindowShot(TopDockArea);
    Driver->Drag(At(ToolbarHandle), At(300, 420));
    std::optional<TXWindow> floating;
    ASSERT_TRUE(Driver->WaitUntil([&] {
        floating = Driver->WindowTitled(QStringLiteral("Standard Toolbar"));
        return floating.has_value();
    })) << "the toolbar did not float";
    EXPECT_NE(WindowShot(TopDockArea), docked);

    // Its caption dragged back onto the top dock's lower edge docks it where it was.
    Driver->SettledShot(floating->Geometry);
    Driver->Drag(floating->Geometry.topLeft() + QPoint(30, 6), At(30, 22));
    ASSERT_TRUE(WaitGone(QStringLiteral("Standard Toolbar"))) << "the toolbar did not dock";
    Rest();
    EXPECT_TRUE(Driver->WaitUntil([&] { return WindowShot(TopDockArea) == docked; }, 20000));
}

} // namespace
