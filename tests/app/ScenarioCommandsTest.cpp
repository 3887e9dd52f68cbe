#include "ScenarioCommands.h"

#include "CampaignError.h"
#include "CommandDispatcher.h"
#include "MainCommands.h"
#include "ScenarioListModel.h"
#include "ExplorerSelection.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "Utils.h"

#include <QFile>
#include <QSignalSpy>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

QString path(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

std::vector<std::uint8_t> scenario(std::string_view version, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0x42);
    std::copy(version.begin(), version.end(), bytes.begin());
    return bytes;
}

} // namespace

class ScenarioCommands : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(folder / "A.scn", scenario("1.11", 100));
        WriteBytes(folder / "B.scx", scenario("1.18", 200));
        WriteBytes(folder / "C.scn", scenario("1.10", 300));
        QObject::connect(&history, &QUndoStack::indexChanged, &list, [this] { list.Sync(); });
    }

    // Runs a command as the window does: an error ends it and is shown, not thrown.
    bool run(const std::function<void()>& command) {
        return dispatcher.Run(TCommandId::Add, command);
    }
    void done(const std::function<void()>& command) {
        EXPECT_TRUE(run(command)) << errors.join(' ').toStdString();
    }

    QString name(int row) const {
        return list.data(list.index(row, 0), Qt::DisplayRole).toString();
    }
    QString offset(int row) const {
        return list.data(list.index(row, 2), Qt::DisplayRole).toString();
    }

    TempFolder folder;
    TTextCodec codec;
    TCampaign campaign;
    TScenarioListModel list{campaign, codec};
    ScriptedDialogs dialogs;
    TCommandState state;
    QUndoStack history;
    QStringList errors;
    TCommandDispatcher dispatcher{history, [this](const QString& text) { errors << text; }};
    TScenarioCommands commands{campaign, codec, dialogs, state, nullptr, dispatcher};
};

TEST_F(ScenarioCommands, AddingFilesAppendsThemInOrderWithOneUpdate) {
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    done([&] { commands.AddFiles({path(folder / "A.scn"), path(folder / "B.scx"), path(folder / "C.scn")}); });
    EXPECT_EQ(inserted.count(), 1);
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(name(0), "A");
    EXPECT_EQ(name(2), "C");
    EXPECT_EQ(offset(0), "0720");
    EXPECT_EQ(offset(1), "0784");
    EXPECT_EQ(offset(2), "084C");
}

TEST_F(ScenarioCommands, AnUnreadableFileEndsTheAddWithNothingAddedAndNoStep) {
    EXPECT_FALSE(run([&] {
        commands.AddFiles({path(folder / "A.scn"), path(folder / "gone.scn"), path(folder / "B.scx")});
    }));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("gone.scn")) << errors[0].toStdString();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(history.count(), 0);
}

// Names copied from old Windows disks are Latin-1 bytes, not UTF-8: the explorer and the
// drop hand over the exact bytes, which reach the file.
TEST_F(ScenarioCommands, FilesNamedInBytesThatAreNotUtf8AreAdded) {
    const std::string latin1 = "caf\xE9";
    WriteBytes(folder / (latin1 + ".scn"), scenario("1.11", 30));
    WriteBytes(folder / (latin1 + ".SCX"), scenario("1.18", 40));
    const QByteArray base = QByteArray::fromStdString(folder.Path().string()) + '/';
    done([&] { commands.AddFiles(QList<QByteArray>{base + QByteArray::fromStdString(latin1) + ".scn"}); });
    done([&] { commands.FileDropperDrop({base + QByteArray::fromStdString(latin1) + ".SCX"}); });
    ASSERT_EQ(campaign.Count(), 2u);
    EXPECT_EQ(campaign.Entry(0).Scenario->Size, 30);
    EXPECT_EQ(campaign.Entry(1).Scenario->Size, 40);
}

TEST_F(ScenarioCommands, DroppedFilesAreTakenByTheirExtensionOnlyAsOneStep) {
    WriteBytes(folder / "Demo.SCX", scenario("1.18", 10));
    WriteBytes(folder / "demo.scn", scenario("1.11", 10));
    WriteText(folder / "notes.txt", "notes");
    WriteText(folder / "README", "readme");
    WriteText(folder / "archive.scn.bak", "old");
    QList<QByteArray> dropped;
    for (const char* name : {"Demo.SCX", "notes.txt", "demo.scn", "README", "archive.scn.bak"})
        dropped << QFile::encodeName(path(folder / name));
    done([&] { commands.FileDropperDrop(dropped); });
    ASSERT_EQ(campaign.Count(), 2u);
    EXPECT_EQ(history.count(), 1);
    EXPECT_EQ(name(0), "Demo");
    EXPECT_EQ(name(1), "demo");
}

TEST_F(ScenarioCommands, RemoveTakesTheFocusedRowAndNothingWithoutOne) {
    done([&] { commands.AddFiles({path(folder / "A.scn"), path(folder / "B.scx")}); });
    done([&] { commands.RemoveItemClick(std::nullopt); });
    EXPECT_EQ(list.rowCount(), 2);
    QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
    done([&] { commands.RemoveItemClick(0); });
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 0);
    EXPECT_EQ(name(0), "B");
    EXPECT_EQ(offset(0), "0310");
    done([&] { commands.RemoveItemClick(0); });
    EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(ScenarioCommands, InsertAfterPutsTheNewEntryBeforeTheFocusedOne) {
    done([&] { commands.AddFiles({path(folder / "A.scn"), path(folder / "B.scx")}); });
    dialogs.FileAnswers = {path(folder / "C.scn")};
    done([&] { commands.InsertItemClick(1); });
    EXPECT_EQ(dialogs.FileDialogs.back().Title, "Insert Scenario...");
    EXPECT_EQ(dialogs.FileDialogs.back().Filter, "Scenarios|*.scn|Expansion Scenarios|*.scx");
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(name(1), "C");
    EXPECT_EQ(name(2), "B");
    EXPECT_EQ(offset(0), "0720");

    dialogs.FileAnswers = {std::nullopt};
    done([&] { commands.InsertItemClick(0); });
    EXPECT_EQ(list.rowCount(), 3) << "a cancelled dialog changes nothing";
}

TEST_F(ScenarioCommands, ReplaceReadsIntoTheFocusedEntry) {
    done([&] { commands.AddFiles({path(folder / "A.scn"), path(folder / "B.scx")}); });
    dialogs.FileAnswers = {path(folder / "C.scn")};
    done([&] { commands.ReplaceItemClick(0); });
    EXPECT_EQ(dialogs.FileDialogs.back().Title, "Replace Scenario With...");
    EXPECT_EQ(name(0), "C");
    EXPECT_EQ(offset(1), OffsetText(264 + 2 * 520 + 300).c_str());
    dialogs.FileAnswers = {path(folder / "missing.scn")};
    EXPECT_FALSE(run([&] { commands.ReplaceItemClick(1); }));
    EXPECT_EQ(name(1), "B");
    EXPECT_EQ(history.count(), 2) << "the failed Replace left no step";
}

TEST_F(ScenarioCommands, SaveToFileSuggestsTheStoredNameMadeSafe) {
    done([&] { commands.AddFiles({path(folder / "A.scn")}); });
    campaign.Entry(0).FileName = "../../etc/Evil.scn";
    dialogs.FileAnswers = {path(folder / "Out.scn")};
    done([&] { commands.SaveScnItemClick(0); });
    EXPECT_EQ(dialogs.FileDialogs.back().FileName, "Evil.scn");
    EXPECT_EQ(dialogs.FileDialogs.back().Title, "Save Scenario As...");
    EXPECT_EQ(dialogs.FileDialogs.back().DefaultExtension, "scn");
    EXPECT_EQ(ReadBytes(folder / "Out.scn"), scenario("1.11", 100));
}

// Every scenario under its stored name, numbered as extract numbers it; nothing changes in
// the campaign and no question comes while nothing is in the way.
TEST_F(ScenarioCommands, SaveAllWritesEveryScenarioIntoTheChosenFolder) {
    done([&] { commands.AddFiles({path(folder / "A.scn"), path(folder / "B.scx"), path(folder / "A.scn")}); });
    const TempFolder out;
    dialogs.FileAnswers = {std::nullopt, path(out.Path())};
    done([&] { commands.SaveAllItemClick(); });
    EXPECT_TRUE(out.Names().empty()) << "a cancelled folder dialog writes nothing";
    done([&] { commands.SaveAllItemClick(); });
    EXPECT_EQ(dialogs.FolderDialogs.back().Title, "Save All to Folder");
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"A (2).scn", "A.scn", "B.scx"}));
    EXPECT_EQ(ReadBytes(out / "A (2).scn"), scenario("1.11", 100));
    EXPECT_EQ(ReadBytes(out / "B.scx"), scenario("1.18", 200));
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_EQ(history.count(), 1) << "saving is no edit";
}

TEST_F(ScenarioCommands, SaveAllAsksOnceAboutExistingFilesAndFollowsTheAnswer) {
    done([&] { commands.AddFiles({path(folder / "A.scn"), path(folder / "B.scx"), path(folder / "C.scn")}); });
    const std::vector<std::uint8_t> old{'o', 'l', 'd'};
    for (const TMessageAnswer answer :
         {TMessageAnswer::Replace, TMessageAnswer::Skip, TMessageAnswer::Cancel}) {
        const TempFolder out;
        WriteBytes(out / "A.scn", old);
        WriteBytes(out / "C.scn", old);
        dialogs.Messages.clear();
        dialogs.MessageAnswers = {answer};
        dialogs.FileAnswers = {path(out.Path())};
        done([&] { commands.SaveAllItemClick(); });
        ASSERT_EQ(dialogs.Messages.size(), 1u);
        EXPECT_EQ(dialogs.Messages[0].Buttons, TMessageButtons::ReplaceSkipCancel);
        EXPECT_TRUE(dialogs.Messages[0].Text.startsWith("2 of the 3 scenario files already exist in "))
            << dialogs.Messages[0].Text.toStdString();
        EXPECT_EQ(ReadBytes(out / "A.scn"),
                  answer == TMessageAnswer::Replace ? scenario("1.11", 100) : old);
        EXPECT_EQ(out.Names().size(), answer == TMessageAnswer::Cancel ? 2u : 3u);
    }
}

TEST_F(ScenarioCommands, VersionsAreShownChosenAndStamped) {
    done([&] { commands.AddFiles({path(folder / "A.scn"), path(folder / "B.scx")}); });
    done([&] { commands.setVersion(0, TScenarioVersion::Expansion118); });
    EXPECT_EQ(state.VersionText, "1.18");
    EXPECT_EQ(ReadScenarioVersion(*campaign.Entry(0).Scenario), TScenarioVersion::Expansion118);

    done([&] { commands.ChooseVersion(TScenarioVersion::Trial110); });
    EXPECT_EQ(state.VersionText, "1.10");
    EXPECT_EQ(ReadScenarioVersion(*campaign.Entry(1).Scenario), TScenarioVersion::Expansion118)
        << "choosing only changes the caption";
    done([&] { commands.VersionBtnClick(1); });
    EXPECT_EQ(ReadScenarioVersion(*campaign.Entry(1).Scenario), TScenarioVersion::Trial110);
    EXPECT_EQ(campaign.Entry(1).Scenario->Size, 200);
}

TEST(ExplorerSelection, FocusedItemUnlessTwoOrMoreAreSelected) {
    EXPECT_EQ(ItemsToTake({std::nullopt, {}}), std::vector<int>{});
    EXPECT_EQ(ItemsToTake({3, {}}), std::vector<int>{3});
    EXPECT_EQ(ItemsToTake({3, {5}}), std::vector<int>{3});
    EXPECT_EQ(ItemsToTake({3, {1, 4, 7}}), (std::vector<int>{1, 4, 7}));
    EXPECT_EQ(ItemsToTake({std::nullopt, {1, 4}}), (std::vector<int>{1, 4}));
}
