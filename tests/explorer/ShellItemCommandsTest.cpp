#include "ShellItemCommands.h"

#include "IDElements.h"
#include "PropertiesDialog.h"
#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QMenu>
#include <QUrl>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class OpenCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class ShellItemCommandsTest : public ::testing::Test {
protected:
    TempFolder temp;
    TShellFolderRef folder;
    ItemIDList a = IDElements::makeName("a.scn");
    ItemIDList b = IDElements::makeName("b.scn");
    void SetUp() override {
        temp.makeFile(QStringLiteral("a.scn"), 3);
        temp.makeFile(QStringLiteral("b.scn"));
        folder =
            SHGetDesktopFolder()->BindToObject(SHGetDesktopFolder()->ParseDisplayName(temp.path()));
        ASSERT_TRUE(folder);
    }
};

TEST_F(ShellItemCommandsTest, MenuHasOpenAsDefaultAndTheOtherEntries) {
    const auto menu = BuildItemContextMenu(SFGAO::HASPROPSHEET, 1);
    QStringList texts;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    EXPECT_EQ(texts,
              (QStringList{"&Open", "Open Containing &Folder", "&Copy Path", "P&roperties"}));
    EXPECT_EQ(menu->defaultAction()->text(), QStringLiteral("&Open"));
    EXPECT_TRUE(menu->actions().last()->isEnabled());
    EXPECT_FALSE(BuildItemContextMenu(0, 1)->actions().last()->isEnabled());
}

TEST_F(ShellItemCommandsTest, DefaultCommandOpensEveryItem) {
    OpenCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    EXPECT_TRUE(InvokeDefaultCommand(folder, {a.get(), b.get()}, 0, nullptr));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(catcher.urls, (QList<QUrl>{QUrl::fromLocalFile(temp.path(QStringLiteral("a.scn"))),
                                         QUrl::fromLocalFile(temp.path(QStringLiteral("b.scn")))}));
    EXPECT_FALSE(InvokeDefaultCommand(nullptr, {a.get()}, 0, nullptr));
    EXPECT_FALSE(InvokeDefaultCommand(folder, {}, 0, nullptr));
}

TEST_F(ShellItemCommandsTest, CopyPathAndOpenContainingFolder) {
    EXPECT_TRUE(InvokeVerb(folder, {a.get(), b.get()}, 0, QStringLiteral("copypath"), nullptr));
    EXPECT_EQ(QApplication::clipboard()->text(),
              temp.path(QStringLiteral("a.scn")) + u'\n' + temp.path(QStringLiteral("b.scn")));
    OpenCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    EXPECT_TRUE(
        InvokeVerb(folder, {a.get(), b.get()}, 0, QStringLiteral("opencontainer"), nullptr));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(temp.path())});
    EXPECT_FALSE(InvokeVerb(folder, {a.get()}, 0, QStringLiteral("properties"), nullptr));
    EXPECT_FALSE(InvokeVerb(folder, {a.get()}, 0, QStringLiteral("nonsense"), nullptr));
}

TEST_F(ShellItemCommandsTest, PropertiesShowNameTypeSizeModifiedAndAttributes) {
    const TPropertiesDialog dialog(QFile::encodeName(temp.path(QStringLiteral("a.scn"))), nullptr);
    const QStringList values = dialog.Values();
    ASSERT_EQ(values.size(), 5);
    EXPECT_EQ(values[0], QStringLiteral("a.scn"));
    EXPECT_FALSE(values[1].isEmpty());
    EXPECT_EQ(values[2], QStringLiteral("3 bytes (1 KB)"));
    EXPECT_FALSE(values[3].isEmpty());
    EXPECT_EQ(values[4], QStringLiteral("Normal"));
    const TPropertiesDialog folderDialog(QFile::encodeName(temp.path()), nullptr);
    EXPECT_EQ(folderDialog.Values()[2], QString());
    EXPECT_EQ(folderDialog.Values()[4], QStringLiteral("Folder"));
}

TEST_F(ShellItemCommandsTest, PropertiesOfTheLongestNameFitOnTheScreen) {
    const QString name = QString(251, u'n') + QStringLiteral(".scn");
    temp.makeFile(name);
    TPropertiesDialog dialog(QFile::encodeName(temp.path(name)), nullptr);
    dialog.show();
    const QRect screen = dialog.screen()->availableGeometry();
    EXPECT_LE(dialog.frameGeometry().width(), screen.width());
    const auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_TRUE(screen.contains(QRect(ok->mapToGlobal(QPoint()), ok->size())));
    EXPECT_EQ(dialog.Values()[0], name);
}

} // namespace

#include "ShellItemCommandsTest.moc"
