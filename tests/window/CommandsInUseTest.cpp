// The scenario and campaign commands used as a person uses them: real dialogs that take the
// focus, real clicks, real failures.
#include "AppTexts.h"
#include "RealWindow.h"
#include "WindowMap.h"

#include <QDir>
#include <QFile>

namespace {

using namespace WindowMap;

bool versionsAre(const std::vector<TSavedEntry>& entries, const QList<QByteArray>& versions) {
    if (entries.size() != static_cast<std::size_t>(versions.size()))
        return false;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Version() != versions[static_cast<qsizetype>(i)])
            return false;
    return true;
}

class CommandsInUse : public RealWindow {
protected:
    // A campaign of three scenarios stamped 1.10, 1.11 and 1.18.
    QString threeVersions() {
        return MakeCampaign(
            QDir(Work).filePath(QStringLiteral("three.cpn")),
            {scenario("a.scn", "1.10"), scenario("b.scn", "1.11"), scenario("c.scn", "1.18")});
    }
    QString scenario(const char* name, const QByteArray& head, int size = 64) {
        return MakeScenario(QDir(Work).filePath(QString::fromLatin1(name)), head, size);
    }
    QImage entryButtons() { return WindowShot(EntryButtons); }
    // Waits until the Entry group's buttons look as in `expected`.
    bool entryButtonsLookLike(const QImage& expected) {
        return Driver->WaitUntil([&] { return WindowShot(EntryButtons) == expected; }, 20000);
    }
};

TEST_F(CommandsInUse, CommandsStayEnabledAfterEveryDialog) {
    const QString campaign = threeVersions();
    Start({campaign});
    const QImage disabled = entryButtons();
    ClickRow(1);
    ASSERT_TRUE(Driver->WaitUntil([&] { return entryButtons() != disabled; }))
        << "selecting a row enabled nothing";
    const QImage enabled = entryButtons();

    const QString saved = QDir(Work).filePath(QStringLiteral("saved.cpn"));
    SaveCampaignAs(saved);
    EXPECT_TRUE(entryButtonsLookLike(enabled)) << "Save As left the commands disabled";

    // Delete reaches the list that had the focus before the dialog.
    Driver->Key(QStringLiteral("Delete"));
    ChooseMenu(QStringLiteral("f"), QStringLiteral("s"));
    WaitForSaved(saved, [](const auto& entries) { return versionsAre(entries, {"1.10", "1.18"}); });

    ClickRow(0);
    ChangeList([&] {
        ClickButton(Centre(ReplaceBtn));
        AnswerFileDialog(QStringLiteral("Replace Scenario With..."), scenario("d.scn", "1.11", 80));
    });
    EXPECT_TRUE(entryButtonsLookLike(enabled)) << "Replace left the commands disabled";

    ChangeList([&] {
        ClickButton(Centre(InsertBtn));
        AnswerFileDialog(QStringLiteral("Insert Scenario..."), scenario("e.scn", "1.18"));
    });
    EXPECT_TRUE(entryButtonsLookLike(enabled)) << "Insert After left the commands disabled";

    // The new entry went before the focused one, which keeps the focus and goes now.
    Driver->Key(QStringLiteral("Delete"));
    ClickButton(Centre(SaveBtn));
    const auto entries = WaitForSaved(saved, [](const auto& entries) {
        return versionsAre(entries, {"1.18", "1.18"});
    });
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].FileName, "e.scn");
    EXPECT_EQ(entries[1].FileName, "c.scn");
}

TEST_F(CommandsInUse, SaveKeepsTheChosenVersion) {
    const QString campaign = threeVersions();
    Start();
    OpenCampaign(campaign);
    ClickRow(1);
    ClickButton(VersionArrow);
    ASSERT_TRUE(Driver->WaitUntil([this] { return Driver->TopPopup().has_value(); }));
    Driver->Key(QStringLiteral("t"));
    ASSERT_TRUE(Driver->WaitUntil([this] { return !Driver->TopPopup().has_value(); }));

    ClickButton(Centre(SaveBtn));
    WaitForSaved(campaign, [](const auto&) { return true; });
    ClickButton(VersionMainPart);
    ClickButton(Centre(SaveBtn));
    WaitForSaved(campaign, [](const auto& entries) {
        return versionsAre(entries, {"1.10", "1.10", "1.18"});
    });
}

TEST_F(CommandsInUse, RemoveKeepsTheVersionDisplay) {
    const QString campaign = MakeCampaign(
        QDir(Work).filePath(QStringLiteral("mixed.cpn")),
        {scenario("a.scn", "1.18"), scenario("b.scn", "1.10"), scenario("c.scn", "none")});
    Start();
    OpenCampaign(campaign);
    ClickRow(0);
    ClickButton(Centre(RemoveBtn));
    // The row whose version is not known leaves the display as it was: 1.18.
    ClickRow(1);
    ClickButton(VersionMainPart);
    ClickButton(Centre(SaveBtn));
    WaitForSaved(campaign, [](const auto& entries) {
        return versionsAre(entries, {"1.10", "1.18"});
    });
}

TEST_F(CommandsInUse, ARefusedStampKeepsTheVersionCaption) {
    const QString campaign = MakeCampaign(QDir(Work).filePath(QStringLiteral("short.cpn")),
                                          {scenario("a.scn", "1.18"), scenario("b.scn", "ab", 2)});
    Start({campaign});
    ClickRow(0);
    ClickRow(1);
    const QImage before = WindowShot(VersionButton);
    // Scenario, Set to Version, Trial: the two-byte scenario cannot take a version.
    Driver->Key(QStringLiteral("alt+s"));
    ASSERT_TRUE(Driver->WaitUntil([this] { return Driver->TopPopup().has_value(); }));
    const TXWindow menu = *Driver->TopPopup();
    // Set to Version is the ninth row of 21 pixels: Add, Remove, a separator, Replace, Insert
    // After, a separator, Save to File and a separator come before it.
    Driver->Click(menu.Geometry.topLeft() + QPoint(60, 2 + 8 * 21 + 10));
    ASSERT_TRUE(Driver->WaitUntil([&] { return Driver->TopPopup()->Id != menu.Id; }));
    Driver->Click(Driver->TopPopup()->Geometry.topLeft() + QPoint(60, 12));
    AnswerMessage(QStringLiteral("Return"));
    Rest();
    EXPECT_TRUE(Driver->WaitUntil([&] { return WindowShot(VersionButton) == before; }, 20000))
        << "the refused stamp changed the version button's caption";
}

TEST_F(CommandsInUse, ToolbarButtonsComeUpAfterTheirCommandFailed) {
    const QString campaign = threeVersions();
    Start();
    OpenCampaign(campaign);
    ClickRow(0);
    const QImage saveUp = WindowShot(Button(SaveBtn));
    const QImage replaceUp = WindowShot(Button(ReplaceBtn));
    const QImage openUp = WindowShot(Button(OpenBtn));
    const auto looksUp = [this](int left, const QImage& up) {
        return Driver->WaitUntil([&] { return WindowShot(Button(left)) == up; }, 20000);
    };

    // A folder where the campaign was: the save fails.
    QFile::remove(campaign);
    QDir().mkdir(campaign);
    ClickButton(Centre(SaveBtn));
    AnswerMessage(QStringLiteral("Return"));
    Rest();
    EXPECT_TRUE(looksUp(SaveBtn, saveUp)) << "Save stayed pressed after its failure";

    ClickButton(Centre(ReplaceBtn));
    AnswerFileDialog(QStringLiteral("Replace Scenario With..."),
                     QDir(Work).filePath(QStringLiteral("missing.scn")));
    AnswerMessage(QStringLiteral("Return"));
    Rest();
    EXPECT_TRUE(looksUp(ReplaceBtn, replaceUp)) << "Replace stayed pressed after its failure";

    ClickButton(Centre(OpenBtn));
    AnswerFileDialog(QStringLiteral("Open"), Sample(QStringLiteral("broken/wrong-version.cpn")));
    AnswerMessage(QStringLiteral("Return"));
    Rest();
    EXPECT_TRUE(looksUp(OpenBtn, openUp)) << "Open stayed pressed after a rejected file";
    EXPECT_EQ(Main().Title, AppTexts::WindowTitleFor(QStringLiteral("three.cpn")));
}

// New, Options and Help run their commands from their toolbar buttons as from their menus.
TEST_F(CommandsInUse, TheToolbarsCommandButtonsRunTheirCommands) {
    Start({threeVersions()});
    ClickRow(0);
    ChangeList([&] { ClickButton(Centre(RemoveBtn)); });
    const QString title = Main().Title;
    ClickButton(Centre(NewBtn));
    AnswerMessage(QStringLiteral("Escape"));
    EXPECT_EQ(Main().Title, title) << "New asked first, and Cancel kept the campaign";

    ClickButton(Centre(OptionsBtn));
    const TXWindow options = WaitForWindow(QStringLiteral("Options"));
    Driver->Click(options.Geometry.topLeft() + QPoint(272 + 37, 440 + 12));
    EXPECT_TRUE(WaitGone(QStringLiteral("Options"))) << "Cancel closed Options";

    ClickButton(Centre(HelpBtn));
    WaitForWindow(AppTexts::ApplicationTitle + QStringLiteral(" Help"));
}

} // namespace

// The menus without the mouse: F10 or Alt alone puts the keyboard on the menu bar, Left and
// Right go along it, Down or Enter opens a menu, Right in an open menu opens the next one, and
// Alt with a caption's letter still opens that menu at once.
TEST_F(CommandsInUse, AltAndF10ReachEveryMenuWithoutTheMouse) {
    Start();
    Driver->Click(At(Resting));
    ASSERT_TRUE(Driver->WaitUntil([this] { return Driver->FocusWindow() == Main().Id; }));
    const auto openedLeft = [this](const QStringList& keys) {
        for (const QString& key : keys)
            Driver->Key(key);
        const bool open = Driver->WaitUntil([this] { return Driver->TopPopup().has_value(); });
        return open ? Driver->TopPopup()->Geometry.left() : -1;
    };
    const auto closeAll = [this] {
        Driver->Key(QStringLiteral("Escape"));
        Driver->Key(QStringLiteral("Escape"));
        return Driver->WaitUntil([this] { return !Driver->TopPopup().has_value(); });
    };
    const int file = openedLeft({QStringLiteral("alt+f")});
    ASSERT_TRUE(closeAll());
    const int edit = openedLeft({QStringLiteral("F10"), QStringLiteral("Right"),
                                 QStringLiteral("Down")});
    EXPECT_GT(edit, file) << "F10, Right and Down did not open the Edit menu";
    Driver->Key(QStringLiteral("Right"));
    EXPECT_TRUE(Driver->WaitUntil(
        [&] { return Driver->TopPopup() && Driver->TopPopup()->Geometry.left() > edit; }))
        << "Right in the Edit menu did not open the Scenario menu";
    ASSERT_TRUE(closeAll());
    const int help = openedLeft({QStringLiteral("alt"), QStringLiteral("Left"),
                                 QStringLiteral("Return")});
    EXPECT_GT(help, edit) << "Alt, Left and Enter did not open the Help menu";
    ASSERT_TRUE(closeAll());
    EXPECT_EQ(openedLeft({QStringLiteral("alt+f")}), file) << "Alt+F changed";
    ASSERT_TRUE(closeAll());
}
