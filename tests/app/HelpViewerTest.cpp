#include "HelpViewer.h"

#include "Main.h"
#include "MenuItems.h"
#include "QtPaths.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

TEST(HelpViewer, ShowsTheManualOrSaysWhyNot) {
    TempFolder folder;
    THelpViewer viewer;
    viewer.ShowContents(QtPath(folder / "brindlewick.html"));
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.ShownText().contains("could not be found"))
        << viewer.ShownText().toStdString();

    viewer.ShowContents(QString::fromUtf8(BRINDLEWICK_MANUAL));
    EXPECT_TRUE(viewer.ShownText().contains("Setting a scenario's version"));
}

// The manual shows the window, each menu, the Options dialog and a floating toolbar; every
// picture it names is what Help, Contents draws, wherever the program lies (this test runs far
// from any copy of the manual).
TEST(HelpViewer, TheManualShowsItsPictures) {
    const QString manual = QString::fromUtf8(BRINDLEWICK_MANUAL);
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QStringList pictures;
    const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
    for (auto match = image.globalMatch(html); match.hasNext();)
        pictures << match.next().captured(1);
    EXPECT_EQ(pictures,
              (QStringList{"window.png", "menu-file.png", "menu-edit.png", "menu-scenario.png", "menu-view.png",
                           "menu-help.png", "saveall-question.png", "check.png", "options.png",
                           "floating-toolbar.png"}));

    ScriptedDialogs dialogs;
    TForm1 window(dialogs, {});
    window.Menus.Item(TCommandId::Contents)->Click();
    ASSERT_TRUE(window.HelpViewer());
    EXPECT_TRUE(window.HelpViewer()->ShownText().contains("Setting a scenario's version"));
    const QTextDocument* document = window.HelpViewer()->findChild<QTextBrowser*>()->document();
    for (const QString& picture : pictures) {
        const QImage onDisk(QFileInfo(manual).dir().filePath(picture));
        EXPECT_GE(onDisk.width(), 100) << picture.toStdString();
        EXPECT_GE(onDisk.height(), 50) << picture.toStdString();
        const QVariant shown = document->resource(QTextDocument::ImageResource, QUrl(picture));
        EXPECT_EQ(qvariant_cast<QImage>(shown).size(), onDisk.size()) << picture.toStdString();
    }
}
