#include "HelpViewer.h"

#include "QtPaths.h"
#include "QtPrinters.h"
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

TEST(HelpViewer, TheManualIsBesideTheProgramOrWhereItIsInstalled) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "bin");
    EXPECT_EQ(HelpFileFor(QtPath(folder / "bin/brindlewick")),
              QtPath(folder / "bin/brindlewick.html"));
    // Not under share/doc: Debian systems may leave documentation out, and the program must
    // still find its manual.
    std::filesystem::create_directories(folder / "share/brindlewick/help");
    WriteText(folder / "share/brindlewick/help/brindlewick.html", "<p>manual</p>");
    EXPECT_EQ(HelpFileFor(QtPath(folder / "bin/brindlewick")),
              QtPath(folder / "share/brindlewick/help/brindlewick.html"));
    WriteText(folder / "bin/brindlewick.html", "<p>beside</p>");
    EXPECT_EQ(HelpFileFor(QtPath(folder / "bin/brindlewick")),
              QtPath(folder / "bin/brindlewick.html"));
}

// The manual shows the window, each menu, the Options dialog and a floating toolbar; every
// picture it names lies beside it and is what the viewer draws.
TEST(HelpViewer, TheManualShowsItsPictures) {
    const QString manual = QString::fromUtf8(BRINDLEWICK_MANUAL);
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QStringList pictures;
    const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
    for (auto match = image.globalMatch(html); match.hasNext();)
        pictures << match.next().captured(1);
    EXPECT_EQ(pictures, (QStringList{"window.png", "menu-file.png", "menu-scenario.png",
                                     "menu-view.png", "menu-help.png", "options.png",
                                     "floating-toolbar.png"}));

    THelpViewer viewer;
    viewer.ShowContents(manual);
    const QTextDocument* document = viewer.findChild<QTextBrowser*>()->document();
    for (const QString& picture : pictures) {
        const QImage onDisk(QFileInfo(manual).dir().filePath(picture));
        EXPECT_GE(onDisk.width(), 100) << picture.toStdString();
        EXPECT_GE(onDisk.height(), 100) << picture.toStdString();
        const QVariant shown = document->resource(QTextDocument::ImageResource, QUrl(picture));
        EXPECT_EQ(qvariant_cast<QImage>(shown).size(), onDisk.size()) << picture.toStdString();
    }
}
