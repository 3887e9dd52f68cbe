// Scenario, Save All to Folder used as a person uses it: the real folder dialog, the real
// question about files in the way, and Cancel pressed on the progress dialog of a long save.
#include "AppTexts.h"
#include "RealWindow.h"
#include "WindowMap.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <iostream>
#include <map>
#include <optional>

namespace {

// The files of a folder by name, with their bytes.
std::map<QString, QByteArray> folderFiles(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        files[name] = FileBytes(QDir(folder).filePath(name));
    return files;
}

class SaveAllInUse : public RealWindow {
protected:
    // A campaign holding the named scenario files of the work folder, opened at start-up.
    QString startWith(const QStringList& names, int size = 64) {
        QStringList files;
        for (int i = 0; i < names.size(); ++i)
            files << MakeScenario(QDir(Work).filePath(names[i]), "1.11", size + i);
        const QString campaign =
            MakeCampaign(QDir(Work).filePath(QStringLiteral("all.cpn")), files);
        Start({campaign});
        return campaign;
    }
    // What the command line's extract writes for the campaign: the files Save All must write.
    std::map<QString, QByteArray> extracted(const QString& campaign) {
        const QString folder = Folder.makeFolder(QStringLiteral("extracted"));
        QProcess extract;
        extract.setStandardOutputFile(QProcess::nullDevice());
        extract.start(QStringLiteral(BRINDLEWICK_CLI),
                      {QStringLiteral("extract"), campaign, QStringLiteral("--output"), folder});
        Require(extract.waitForFinished(WindowTimeout) && extract.exitCode() == 0,
                "the companion did not extract");
        return folderFiles(folder);
    }
    // Scenario, Save All to Folder (its accelerator is Add's too: the second press reaches
    // it), then the folder typed into the folder dialog.
    void saveAllTo(const QString& folder) {
        chooseMenuByKeys(QStringLiteral("s"),
                         {QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("Return")});
        AnswerFileDialog(AppTexts::SaveAllTitle(), folder);
    }
    void chooseMenuByKeys(const QString& menuKey, const QStringList& keys) {
        Driver->Click(At(WindowMap::Resting));
        Driver->WaitUntil([this] { return Driver->FocusWindow() == Main().Id; }, WindowTimeout);
        Driver->Key(QStringLiteral("alt+") + menuKey);
        Require(Driver->WaitUntil([this] { return Driver->TopPopup().has_value(); }, WindowTimeout),
                "the menu did not open");
        Driver->SettledShot(Driver->TopPopup()->Geometry, 150);
        for (const QString& key : keys)
            Driver->Key(key);
        Require(
            Driver->WaitUntil([this] { return !Driver->TopPopup().has_value(); }, WindowTimeout),
            "the menu did not close");
    }
    bool waitForFiles(const QString& folder, const std::map<QString, QByteArray>& expected) {
        return Driver->WaitUntil([&] { return folderFiles(folder) == expected; }, WindowTimeout);
    }
};

} // namespace

TEST_F(SaveAllInUse, IntoAnEmptyFolderEveryScenarioGoesAsExtractNamesIt) {
    const QString campaign =
        startWith({QStringLiteral("a.scn"), QStringLiteral("b.scx"), QStringLiteral("a.scn")});
    const auto expected = extracted(campaign);
    ASSERT_EQ(expected.size(), 3u) << "a.scn, a (2).scn and b.scx";
    const QString out = Folder.makeFolder(QStringLiteral("out"));
    saveAllTo(out);
    EXPECT_TRUE(waitForFiles(out, expected));
}

TEST_F(SaveAllInUse, WithFilesInTheWayEachAnswerDoesWhatItSays) {
    const QString campaign =
        startWith({QStringLiteral("a.scn"), QStringLiteral("b.scn"), QStringLiteral("c.scn")});
    const auto expected = extracted(campaign);
    const QByteArray old("old");
    // The answer's key, and whether a.scn and c.scn, which are in the way, get replaced.
    const std::vector<std::pair<QString, bool>> answers{{QStringLiteral("r"), true},
                                                        {QStringLiteral("s"), false},
                                                        {QStringLiteral("Escape"), false}};
    for (const auto& [key, replaced] : answers) {
        const QString out = Folder.makeFolder(QStringLiteral("out-") + key);
        for (const char* name : {"a.scn", "c.scn"}) {
            QFile file(QDir(out).filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        saveAllTo(out);
        AnswerMessage(key);
        std::map<QString, QByteArray> after = expected;
        if (!replaced)
            after[QStringLiteral("a.scn")] = after[QStringLiteral("c.scn")] = old;
        if (key == QStringLiteral("Escape"))
            after.erase(QStringLiteral("b.scn"));
        EXPECT_TRUE(waitForFiles(out, after)) << key.toStdString();
    }
}

// Long enough that the progress dialog comes: thousands of files, each synced to the disk.
TEST_F(SaveAllInUse, CancelDuringALongSaveLeavesOnlyCompleteFiles) {
    QStringList names;
    for (int i = 0; i < 2000; ++i)
        names << QStringLiteral("s%1.scn").arg(i, 4, 10, QLatin1Char('0'));
    const QString campaign = startWith(names, 100 * 1024);
    const auto expected = extracted(campaign);
    const QString out = Folder.makeFolder(QStringLiteral("out"));

    saveAllTo(out);
    std::optional<TXWindow> progress;
    Require(Driver->WaitUntil(
                [&] {
                    return (progress = Driver->WindowTitled(AppTexts::SaveAllProgressTitle()))
                        .has_value();
                },
                WindowTimeout),
            "no progress dialog came");
    // A click on its text gives it the keyboard, and Esc is its Cancel.
    Driver->Click(progress->Geometry.topLeft() + QPoint(progress->Geometry.width() / 2, 12));
    Require(Driver->WaitUntil([&] { return Driver->FocusWindow() == progress->Id; }, WindowTimeout),
            "the progress dialog did not take the focus");
    Driver->Key(QStringLiteral("Escape"));
    ASSERT_TRUE(WaitGone(AppTexts::SaveAllProgressTitle()));

    const auto written = folderFiles(out);
    EXPECT_LT(written.size(), expected.size()) << "Cancel did not stop the save";
    for (const auto& [name, bytes] : written) {
        const auto wanted = expected.find(name);
        ASSERT_NE(wanted, expected.end()) << name.toStdString() << " is no scenario's file";
        EXPECT_EQ(bytes.size(), wanted->second.size()) << name.toStdString();
        EXPECT_TRUE(bytes == wanted->second) << name.toStdString();
    }
    std::cerr << written.size() << " of " << expected.size() << " files were saved\n";
}
