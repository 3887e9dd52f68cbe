// Undo and Redo, moving and renaming rows, used as a person uses them: keys, the mouse, the
// real dialogs, and the bytes Save writes.
#include "RealWindow.h"
#include "WindowMap.h"

#include <QDir>
#include <QFile>
#include <QThread>

namespace {

using namespace WindowMap;

class HistoryInUse : public RealWindow {
protected:
    QString scenario(const QString& folder, const QString& name, const QByteArray& head,
                     int size = 64) {
        return MakeScenario(QDir(folder).filePath(name), head, size);
    }
    // A campaign of scenarios s0.scn, s1.scn, ... opened through File, Open, so that Save
    // writes it without asking for a name.
    QString openCampaignOf(int scenarios) {
        QStringList files;
        for (int i = 0; i < scenarios; ++i)
            files << scenario(Work, QStringLiteral("s%1.scn").arg(i), "1.11", 64 + i);
        const QString campaign = MakeCampaign(QDir(Work).filePath(QStringLiteral("c.cpn")), files);
        Start();
        OpenCampaign(campaign);
        return campaign;
    }
    // File, Save into a file deleted first, so that what comes is what Save wrote; its bytes
    // once they are what `done` expects.
    QByteArray save(const QString& campaign,
                    const std::function<bool(const QByteArray&)>& done) {
        QFile::remove(campaign);
        ChooseMenu(QStringLiteral("f"), QStringLiteral("s"));
        QByteArray bytes;
        Require(Driver->WaitUntil([&] {
            bytes = FileBytes(campaign);
            return !bytes.isEmpty() && done(bytes);
        }, WindowTimeout),
                "the saved campaign did not come");
        return bytes;
    }
    std::vector<std::string> savedFileNames(const QString& campaign,
                                            const std::vector<std::string>& expected) {
        ChooseMenu(QStringLiteral("f"), QStringLiteral("s"));
        return FileNames(WaitForSaved(campaign, [&](const auto& entries) {
            return FileNames(entries) == expected;
        }));
    }
};

TEST_F(HistoryInUse, EveryKindOfEditIsUndoneAndRedoneAcrossSave) {
    scenario(Home, QStringLiteral("n.scn"), "1.11", 90);
    const QString replacement = scenario(Work, QStringLiteral("d.scn"), "1.11", 80);
    const QString inserted = scenario(Work, QStringLiteral("e.scn"), "1.18", 70);
    const QString campaign = openCampaignOf(3);
    const QByteArray unedited = save(campaign, [](const QByteArray&) { return true; });

    // Add from the explorer, Remove, Replace, Insert After, the version button, Move Down,
    // Rename and the title in Options: eight steps.
    Driver->Click(At(TreeHome));
    Rest();
    Driver->SettledShot(Main().Geometry, 500);
    Driver->Click(At(FileListLeft, FileListFirstRow));
    ChangeList([&] { ClickButton(Centre(AddBtn)); });
    ClickRow(0);
    ChangeList([&] { Driver->Key(QStringLiteral("Delete")); });
    ClickRow(1);
    ChangeList([&] {
        ClickButton(Centre(ReplaceBtn));
        AnswerFileDialog(QStringLiteral("Replace Scenario With..."), replacement);
    });
    ChangeList([&] {
        ClickButton(Centre(InsertBtn));
        AnswerFileDialog(QStringLiteral("Insert Scenario..."), inserted);
    });
    ClickButton(VersionArrow);
    Require(Driver->WaitUntil([this] { return Driver->TopPopup().has_value(); }), "no popup");
    Driver->Key(QStringLiteral("t"));
    Require(Driver->WaitUntil([this] { return !Driver->TopPopup().has_value(); }), "popup stays");
    ClickButton(VersionMainPart);
    ChangeList([&] { Driver->Key(QStringLiteral("ctrl+shift+Down")); });
    ChangeList([&] {
        Driver->Key(QStringLiteral("F2"));
        Driver->Type(QStringLiteral("Renamed"));
        Driver->Key(QStringLiteral("Return"));
    });
    ClickButton(Centre(OptionsBtn));
    const TXWindow options = WaitForWindow(QStringLiteral("Options"));
    Driver->Type(QStringLiteral("Edited title"));
    Driver->Click(options.Geometry.topLeft() + QPoint(192 + 37, 440 + 12));
    Require(WaitGone(QStringLiteral("Options")), "OK did not close Options");

    const QByteArray edited = save(campaign, [](const QByteArray& bytes) {
        return bytes.contains("Edited title") && bytes.contains("Renamed");
    });
    const auto entries = ReadCampaignFile(campaign);
    ASSERT_TRUE(entries);
    EXPECT_EQ(FileNames(*entries),
              (std::vector<std::string>{"s1.scn", "e.scn", "n.scn", "d.scn"}));
    EXPECT_EQ((*entries)[3].Name, "Renamed");
    EXPECT_EQ((*entries)[3].Version(), "1.10");

    // Undo after Save: the Edit menu once, the toolbar button once, the key for the other six.
    ChooseMenu(QStringLiteral("e"), QStringLiteral("u"));
    ClickButton(Centre(UndoBtn));
    for (int step = 2; step < 8; ++step)
        Driver->Key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(save(campaign, [&](const QByteArray& bytes) { return bytes == unedited; }),
              unedited);

    ChooseMenu(QStringLiteral("e"), QStringLiteral("r"));
    ClickButton(Centre(RedoBtn));
    for (int step = 2; step < 8; ++step)
        Driver->Key(step % 2 ? QStringLiteral("ctrl+y") : QStringLiteral("ctrl+shift+z"));
    EXPECT_EQ(save(campaign, [&](const QByteArray& bytes) { return bytes == edited; }), edited);
}

TEST_F(HistoryInUse, RowsMoveByKeysAndByDraggingAndStayFocused) {
    const QString campaign = openCampaignOf(4);
    ClickRow(0);
    ChangeList([&] { Driver->Key(QStringLiteral("ctrl+shift+Down")); });
    ChangeList([&] { Driver->Key(QStringLiteral("ctrl+shift+Down")); });
    ChangeList([&] { Driver->Key(QStringLiteral("ctrl+shift+Up")); });
    // The upper half of the first row: the dragged row goes before it.
    ChangeList([&] { Driver->Drag(At(ScenarioRow(3)), At(ScenarioRow(0)) + QPoint(0, -3)); });
    Rest();
    // The dragged row kept the focus: Delete takes it.
    ChangeList([&] { Driver->Key(QStringLiteral("Delete")); });
    EXPECT_EQ(savedFileNames(campaign, {"s1.scn", "s0.scn", "s2.scn"}),
              (std::vector<std::string>{"s1.scn", "s0.scn", "s2.scn"}));
}

TEST_F(HistoryInUse, F2OrASlowSecondClickRenamesOnEnterAndEscapeCancels) {
    const QString campaign = openCampaignOf(2);
    ClickRow(1);
    ChangeList([&] {
        Driver->Key(QStringLiteral("F2"));
        Driver->Type(QStringLiteral("Second"));
        Driver->Key(QStringLiteral("Tab"));
        Driver->Type(QStringLiteral("second.scx"));
        Driver->Key(QStringLiteral("Return"));
    });
    Driver->Key(QStringLiteral("F2"));
    Driver->Type(QStringLiteral("Dropped"));
    Driver->Key(QStringLiteral("Escape"));
    // A second click on the selected row's name, slower than a double-click, edits it too.
    QThread::msleep(1000);
    ChangeList([&] {
        ClickRow(1);
        QThread::msleep(1000);
        Driver->Type(QStringLiteral("Slow"));
        Driver->Key(QStringLiteral("Return"));
    });
    ChooseMenu(QStringLiteral("f"), QStringLiteral("s"));
    const auto entries = WaitForSaved(campaign, [](const auto& entries) {
        return entries.size() == 2 && entries[1].FileName == "second.scx";
    });
    EXPECT_EQ(entries[1].Name, "Slow");
    EXPECT_EQ(entries[0].Name, "s0");
}

TEST_F(HistoryInUse, AFailedReplaceLeavesNoStepAndAWorkingWindow) {
    const QString campaign = openCampaignOf(3);
    ClickRow(0);
    ClickButton(Centre(ReplaceBtn));
    AnswerFileDialog(QStringLiteral("Replace Scenario With..."),
                     QDir(Work).filePath(QStringLiteral("missing.scn")));
    AnswerMessage(QStringLiteral("Return"));
    Rest();
    // Nothing to undo: the key changes nothing, and the next edit and its undo work.
    Driver->Key(QStringLiteral("ctrl+z"));
    ChangeList([&] { Driver->Key(QStringLiteral("Delete")); });
    savedFileNames(campaign, {"s1.scn", "s2.scn"});
    ChangeList([&] { Driver->Key(QStringLiteral("ctrl+z")); });
    EXPECT_EQ(savedFileNames(campaign, {"s0.scn", "s1.scn", "s2.scn"}),
              (std::vector<std::string>{"s0.scn", "s1.scn", "s2.scn"}));
}

// A campaign of two Quorvane scenarios and a Meltharn one: no game plays it.
TEST_F(HistoryInUse, TheCheckCountsProblemsAndGoesToTheRowItNames) {
    const QString campaign = MakeCampaign(
        QDir(Work).filePath(QStringLiteral("mixed.cpn")),
        {scenario(Work, QStringLiteral("s0.scn"), "1.11"),
         scenario(Work, QStringLiteral("s1.scn"), "1.11"),
         scenario(Work, QStringLiteral("s2.scx"), "1.18")});
    Start();
    const QRect statusLine(0, 512, 500, 17);
    const QImage quiet = WindowShot(statusLine);
    OpenCampaign(campaign);
    EXPECT_TRUE(Driver->WaitUntil([&] { return WindowShot(statusLine) != quiet; }, 20000))
        << "the status line tells nothing of the problem";

    ChooseMenu(QStringLiteral("s"), QStringLiteral("c"));
    WaitForWindow(QStringLiteral("Check Campaign"));
    Driver->Key(QStringLiteral("Return"));
    Require(WaitGone(QStringLiteral("Check Campaign")), "Enter on the line did not go to its row");
    // The line named the Meltharn scenario: it is the one selected now.
    ChangeList([&] { Driver->Key(QStringLiteral("Delete")); });
    EXPECT_TRUE(Driver->WaitUntil([&] { return WindowShot(statusLine) == quiet; }, 20000))
        << "the note stayed after the problem went";
    ChooseMenu(QStringLiteral("f"), QStringLiteral("s"));
    WaitForSaved(campaign, [](const auto& entries) {
        return FileNames(entries) == std::vector<std::string>{"s0.scn", "s1.scn"};
    });
}

} // namespace
