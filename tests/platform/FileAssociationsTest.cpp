#include "FileAssociations.h"

#include "DesktopEntry.h"
#include "PlatformError.h"
#include "QtPaths.h"
#include "QtPrinters.h"
#include "TempFolder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

QString read(const std::filesystem::path& path) {
    QFile file(QtPath(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return QString::fromUtf8(file.readAll());
}

} // namespace

class FileAssociations : public ::testing::Test {
protected:
    TempFolder folder;
    TXdgFolders xdg{QtPath(folder / "data"), QtPath(folder / "config"), {}, {}};
    const QString program = QStringLiteral("/opt/Quorvane Tools/brindlewick");
};

TEST_F(FileAssociations, CampaignFilesGetATypeAnOpenerAndADefault) {
    std::filesystem::create_directories(folder / "config");
    WriteText(folder / "config" / "mimeapps.list",
              "[Default Applications]\ntext/html=firefox.desktop;\n");
    RegisterFileAssociation(TCampaignFileKind::Campaign, program, xdg);

    const QString mime = read(folder / "data/mime/packages/Qor.Campaign.xml");
    EXPECT_TRUE(mime.contains("type=\"application/x-qor-campaign\""));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.cpn\"/>"));

    const QString entry = read(folder / "data/applications/Qor.Campaign.desktop");
    const QString exec = DesktopEntry::Value(entry, "Desktop Entry", "Exec");
    EXPECT_EQ(DesktopEntry::SplitExec(exec), (QStringList{program, "%f"}));
    EXPECT_EQ(DesktopEntry::Value(entry, "Desktop Entry", "MimeType"),
              "application/x-qor-campaign;");
    EXPECT_EQ(DesktopEntry::Value(entry, "Desktop Action Open", "Name"), "&Open");
    EXPECT_EQ(DesktopEntry::Value(entry, "Desktop Action Open", "Exec"), exec);

    const QString list = read(folder / "config/mimeapps.list");
    EXPECT_EQ(DesktopEntry::Value(list, "Default Applications", "application/x-qor-campaign"),
              "Qor.Campaign.desktop;");
    EXPECT_EQ(DesktopEntry::Value(list, "Default Applications", "text/html"), "firefox.desktop;")
        << "others kept";

    RegisterFileAssociation(TCampaignFileKind::Expansion, program, xdg);
    EXPECT_TRUE(read(folder / "data/mime/packages/Qor.Expansion.xml").contains("*.cpx"));
    EXPECT_EQ(DesktopEntry::Value(read(folder / "config/mimeapps.list"), "Default Applications",
                                  "application/x-qor-expansion"),
              "Qor.Expansion.desktop;");
}

TEST_F(FileAssociations, WritingTwiceWritesTheSameContent) {
    RegisterFileAssociation(TCampaignFileKind::Campaign, program, xdg);
    const QString entry = read(folder / "data/applications/Qor.Campaign.desktop");
    const QString list = read(folder / "config/mimeapps.list");
    RegisterFileAssociation(TCampaignFileKind::Campaign, program, xdg);
    EXPECT_EQ(read(folder / "data/applications/Qor.Campaign.desktop"), entry);
    EXPECT_EQ(read(folder / "config/mimeapps.list"), list);
}

TEST_F(FileAssociations, AFailureNamesWhatCouldNotBeWrittenAndKeepsEarlierWrites) {
    // A plain file where the settings folder should be: no user, root included, can write there.
    WriteText(folder / "config", "in the way");
    try {
        RegisterFileAssociation(TCampaignFileKind::Campaign, program, xdg);
        FAIL();
    } catch (const EPlatformError& error) {
        EXPECT_EQ(std::string(error.what()), "Failed to set data for '" +
                                                 (folder / "config" / "mimeapps.list").string() +
                                                 "'");
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "data/applications/Qor.Campaign.desktop"));
}

TEST_F(FileAssociations, TheDesktopReportsTheProgramAsTheDefault) {
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    if (xdgMime.isEmpty())
        GTEST_SKIP() << "xdg-mime is not installed";
    RegisterFileAssociation(TCampaignFileKind::Campaign, program, xdg);
    QProcess query;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", xdg.DataHome);
    environment.insert("XDG_CONFIG_HOME", xdg.ConfigHome);
    environment.remove("XDG_CURRENT_DESKTOP");
    query.setProcessEnvironment(environment);
    query.start(xdgMime, {"query", "default", "application/x-qor-campaign"});
    ASSERT_TRUE(query.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(query.readAllStandardOutput()).trimmed(), "Qor.Campaign.desktop");
}
