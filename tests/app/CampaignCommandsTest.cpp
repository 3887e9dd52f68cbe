#include "CampaignCommands.h"

#include "AppTexts.h"
#include "CampaignError.h"
#include "ScenarioPayload.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

class RecordingWindow : public TCampaignWindow {
public:
    QString Caption;
    int Rebuilds = 0;
    std::vector<QByteArray> Used;
    QWidget* Owner() override { return nullptr; }
    void setCaption(const QString& caption) override { Caption = caption; }
    void RebuildExplorer() override { ++Rebuilds; }
    TCampaignReport Checked;
    void CampaignChecked(const TCampaignReport& report) override { Checked = report; }
    void CampaignUsed(const QByteArray& path) override { Used.push_back(path); }
};

QString path(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

} // namespace

class CampaignCommands : public ::testing::Test {
protected:
    void SetUp() override {
        commands.NewCampaign();
        std::filesystem::copy_file(SampleFile("good/Camp.cpn"), folder / "Camp.cpn");
        std::filesystem::copy_file(SampleFile("good/Three.cpx"), folder / "Three.cpx");
        std::filesystem::copy_file(SampleFile("good/Demo.scn"), folder / "Demo.scn");
    }

    TempFolder folder;
    TTextCodec codec;
    TCampaign campaign;
    TScenarioListModel list{campaign, codec};
    ScriptedDialogs dialogs;
    RecordingWindow window;
    QUndoStack history;
    TCampaignCommands commands{list, codec, dialogs, window, history};
};

TEST_F(CampaignCommands, StartsUntitledAndEmpty) {
    EXPECT_EQ(window.Caption, "Quorvane & Meltharn Brindlewick - Untitled.cpn");
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.columnCount(), 4);
    EXPECT_EQ(list.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Scenario Filename");
    EXPECT_EQ(window.Rebuilds, 1);
}

TEST_F(CampaignCommands, NewOnAFreshCampaignAsksAndYesLeadsToSaveAs) {
    dialogs.MessageAnswers = {TMessageAnswer::Yes};
    dialogs.FileAnswers = {path(folder / "Fresh.cpn")};
    commands.NewItemClick();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Do you want to save any changes to the current Campaign?");
    EXPECT_EQ(dialogs.Messages[0].Caption, "");
    EXPECT_EQ(dialogs.Messages[0].Icon, TMessageIcon::Question);
    EXPECT_EQ(dialogs.Messages[0].Buttons, TMessageButtons::YesNoCancel);
    ASSERT_EQ(dialogs.FileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs[0].Filter, "Campaigns|*.cpn|Expansion Campaigns|*.cpx");
    EXPECT_EQ(dialogs.FileDialogs[0].DefaultExtension, "cpn");
    EXPECT_EQ(std::filesystem::file_size(folder / "Fresh.cpn"), 264u);
    EXPECT_EQ(window.Caption, AppTexts::WindowTitleFor(AppTexts::UntitledFileName()))
        << "New ran after the save";
    EXPECT_EQ(commands.RememberedFileName(), "") << "and cleared the remembered name";
}

TEST_F(CampaignCommands, YesWithACancelledSaveAsKeepsTheCampaign) {
    AddScenarioFile(campaign, folder / "Demo.scn");
    list.Sync();

    dialogs.MessageAnswers = {TMessageAnswer::Yes};
    dialogs.FileAnswers = {std::nullopt};
    commands.NewItemClick();
    EXPECT_EQ(campaign.Count(), 1u) << "a cancelled save does not discard the campaign";
    dialogs.MessageAnswers = {TMessageAnswer::Yes};
    dialogs.FileAnswers = {std::nullopt};
    EXPECT_FALSE(commands.FormCloseQuery());
}

TEST_F(CampaignCommands, YesWithAFailedSaveEndsNewAndTheClose) {
    dialogs.FileAnswers = {path(folder / "Camp.cpn")};
    commands.OpenItemClick();
    std::filesystem::remove(folder / "Camp.cpn");
    std::filesystem::create_directory(folder / "Camp.cpn"); // saving over a folder fails
    dialogs.MessageAnswers = {TMessageAnswer::Yes};
    EXPECT_THROW(commands.NewItemClick(), ECampaignError);
    EXPECT_EQ(campaign.Count(), 1u);
    dialogs.MessageAnswers = {TMessageAnswer::Yes};
    EXPECT_THROW(commands.FormCloseQuery(), ECampaignError);
}

TEST_F(CampaignCommands, SaveAfterOpenWritesWithoutADialog) {
    dialogs.FileAnswers = {path(folder / "Three.cpx")};
    commands.OpenItemClick();
    EXPECT_EQ(window.Caption, "Quorvane & Meltharn Brindlewick - Three.cpx");
    EXPECT_EQ(window.Checked.Findings.size(), 2u) << "the opened file is checked";
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.data(list.index(1, 0), Qt::DisplayRole).toString(), "Trial");
    EXPECT_EQ(list.data(list.index(1, 2), Qt::DisplayRole).toString(), "084C");
    EXPECT_EQ(list.data(list.index(0, 3), Qt::DisplayRole).toString(), "300");

    campaign.RemoveEntry(2);
    campaign.UpdateOffsets();
    history.push(new QUndoCommand(QStringLiteral("Remove")));
    EXPECT_TRUE(commands.SaveItemClick());
    EXPECT_EQ(dialogs.FileDialogs.size(), 1u);
    EXPECT_LT(std::filesystem::file_size(folder / "Three.cpx"),
              ReadBytes(SampleFile("good/Three.cpx")).size());
    EXPECT_EQ(history.count(), 1) << "saving keeps the history";
    EXPECT_EQ(window.Checked.Count, 2) << "the saved campaign is checked";

    dialogs.FileAnswers = {path(folder / "Camp.cpn")};
    commands.OpenItemClick();
    EXPECT_EQ(history.count(), 0) << "another campaign starts a new history";
    history.push(new QUndoCommand(QStringLiteral("Remove")));
    dialogs.MessageAnswers = {TMessageAnswer::No};
    commands.NewItemClick();
    EXPECT_EQ(history.count(), 0) << "and so does a new one";
}

TEST_F(CampaignCommands, SaveAfterACommandLineOpenAsksForAName) {
    commands.CommandLineOpen({path(folder / "Camp.cpn"), path(folder / "Three.cpx")});
    EXPECT_EQ(campaign.Count(), 1u) << "the second argument is ignored";
    EXPECT_EQ(window.Caption, "Quorvane & Meltharn Brindlewick - Camp.cpn");
    EXPECT_EQ(commands.RememberedFileName(), "");
    dialogs.FileAnswers = {path(folder / "New.cpn")};
    commands.SaveItemClick();
    EXPECT_EQ(dialogs.FileDialogs.size(), 1u);
    EXPECT_EQ(commands.RememberedFileName(), path(folder / "New.cpn"));
    EXPECT_EQ(window.Caption, "Quorvane & Meltharn Brindlewick - New.cpn");
}

TEST_F(CampaignCommands, ACommandLineNamingNoReadableFileStartsEmptyAndSilently) {
    commands.CommandLineOpen({path(folder / "missing.cpn")});
    commands.CommandLineOpen({""});
    commands.CommandLineOpen({path(folder.Path())});
    commands.CommandLineOpen({});
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_EQ(window.Caption, AppTexts::WindowTitleFor(AppTexts::UntitledFileName()));
}

TEST_F(CampaignCommands, ARejectedOrBrokenFileKeepsTheCampaignCaptionAndRememberedName) {
    dialogs.FileAnswers = {path(folder / "Camp.cpn")};
    commands.OpenItemClick();
    const QString caption = window.Caption;

    WriteText(folder / "Notes.cpn", "these are notes, not a campaign at all......................");
    dialogs.FileAnswers = {path(folder / "Notes.cpn")};
    commands.OpenItemClick();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "The file Notes.cpn is either not an Quorvane/Meltharn "
                                        "Campaign or an unsupported version.");
    EXPECT_EQ(dialogs.Messages[0].Caption, "");
    EXPECT_EQ(dialogs.Messages[0].Icon, TMessageIcon::Error);

    std::filesystem::copy_file(SampleFile("broken/payload-past-end.cpn"), folder / "Past.cpn");
    dialogs.FileAnswers = {path(folder / "Past.cpn")};
    EXPECT_THROW(commands.OpenItemClick(), ECampaignError);

    EXPECT_EQ(campaign.Count(), 1u);
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(window.Caption, caption);
    EXPECT_EQ(commands.RememberedFileName(), path(folder / "Camp.cpn"));
    EXPECT_EQ(dialogs.FileDialogs.back().FileName, path(folder / "Camp.cpn"))
        << "the dialog starts from its last name";
}

TEST_F(CampaignCommands, TheCloseQuestionsThreeAnswers) {
    dialogs.MessageAnswers = {TMessageAnswer::Cancel};
    EXPECT_FALSE(commands.FormCloseQuery());
    dialogs.MessageAnswers = {TMessageAnswer::No};
    EXPECT_TRUE(commands.FormCloseQuery());
    EXPECT_TRUE(dialogs.FileDialogs.empty());

    dialogs.FileAnswers = {path(folder / "Camp.cpn")};
    commands.OpenItemClick();
    AddScenarioFile(campaign, folder / "Demo.scn");
    dialogs.MessageAnswers = {TMessageAnswer::Yes};
    EXPECT_TRUE(commands.FormCloseQuery());
    EXPECT_EQ(std::filesystem::file_size(folder / "Camp.cpn"), 264u + 2 * 520 + 200);
}

TEST_F(CampaignCommands, EveryOpenAndSaveTellsTheCampaignsAbsolutePath) {
    const QByteArray camp = QFile::encodeName(path(folder / "Camp.cpn"));
    const QByteArray three = QFile::encodeName(path(folder / "Three.cpx"));
    const QByteArray saved = QFile::encodeName(path(folder / "Saved.cpn"));
    const auto back = qScopeGuard([before = QDir::currentPath()] { QDir::setCurrent(before); });
    QDir::setCurrent(path(folder.Path()));
    commands.CommandLineOpen({"Camp.cpn"});
    dialogs.FileAnswers = {path(folder / "Three.cpx"), path(folder / "Saved.cpn")};
    commands.OpenItemClick();
    commands.SaveItemClick();
    commands.SaveAsItemClick();
    EXPECT_TRUE(commands.OpenRecentCampaign(camp));
    EXPECT_EQ(commands.RememberedFileName(), path(folder / "Camp.cpn"));
    EXPECT_EQ(window.Used, (std::vector<QByteArray>{camp, three, three, saved, camp}));

    EXPECT_THROW(commands.OpenRecentCampaign(QFile::encodeName(path(folder / "gone.cpn"))),
                 ECampaignError);
    std::filesystem::copy_file(folder / "Demo.scn", folder / "Demo.cpn");
    dialogs.MessageAnswers = {TMessageAnswer::Ok};
    EXPECT_FALSE(commands.OpenRecentCampaign(QFile::encodeName(path(folder / "Demo.cpn"))));
    EXPECT_EQ(window.Used.size(), 5u) << "what did not open is not used";

    const QByteArray latin1 = QFile::encodeName(path(folder.Path())) + "/Caf\xe9.cpn";
    std::filesystem::copy_file(folder / "Camp.cpn", latin1.toStdString());
    EXPECT_TRUE(commands.OpenRecentCampaign(latin1));
    EXPECT_EQ(window.Used.back(), latin1);
    EXPECT_EQ(commands.RememberedFileName(), "") << "Save asks rather than write a garbled name";
}
