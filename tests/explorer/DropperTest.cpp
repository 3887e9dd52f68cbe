#include "Dropper.h"

#include "ExplorerViewsSupport.h"
#include "QtPrinters.h"
#include "TempFolder.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class DropperTest : public ::testing::Test {
protected:
    TempFolder temp;
    QWidget site;
    TFileDropper dropper;
    QStringList delivered;

    void SetUp() override {
        dropper.setDropSite(&site);
        dropper.OnDrop = [this](TFileDropper* sender, const QByteArray& path) {
            EXPECT_EQ(sender, &dropper);
            delivered << QFile::decodeName(path);
        };
        dropper.Loaded();
    }

    // Drags the paths in from outside the program and drops them; true when accepted.
    bool drop(const QStringList& paths) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&site, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropEvent(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&site, &dropEvent);
        return dropEvent.isAccepted();
    }
};

TEST_F(DropperTest, FilesArriveInTheOrderGivenAtFullLength) {
    const QString longName = QString(200, u'x') + QStringLiteral(".scn");
    const QString deep = temp.makeFile(QStringLiteral("a/") + QString(120, u'd') + u'/' + longName);
    const QString c = temp.makeFile(QStringLiteral("c.txt"));
    const QString b = temp.makeFile(QStringLiteral("b.scn"));
    EXPECT_TRUE(site.acceptDrops());
    ASSERT_TRUE(drop({c, deep, b}));
    EXPECT_EQ(delivered, (QStringList{c, deep, b}));
    EXPECT_GT(deep.size(), 255);
}

TEST_F(DropperTest, FoldersAreIgnoredWithoutAllowDir) {
    const QString file = temp.makeFile(QStringLiteral("x.scn"));
    temp.makeFile(QStringLiteral("folder/inside.scn"));
    ASSERT_TRUE(
        drop({temp.path(QStringLiteral("folder")), file, temp.path(QStringLiteral("missing"))}));
    EXPECT_EQ(delivered, QStringList{file});
}

TEST_F(DropperTest, AllowDirOpensOneLevelSubFoldersWalkAllSkippingDotNames) {
    temp.makeFile(QStringLiteral("folder/one.scn"));
    temp.makeFile(QStringLiteral("folder/.hidden.scn"));
    temp.makeFile(QStringLiteral("folder/sub/two.scn"));
    temp.makeFile(QStringLiteral("folder/sub/deeper/three.scn"));
    temp.makeFile(QStringLiteral("folder/.dotdir/four.scn"));
    const QString dotFile = temp.makeFile(QStringLiteral(".direct.scn"));
    dropper.setAllowDir(true);
    ASSERT_TRUE(drop({temp.path(QStringLiteral("folder")), dotFile}));
    EXPECT_EQ(delivered, (QStringList{temp.path(QStringLiteral("folder/one.scn")), dotFile}));

    delivered.clear();
    dropper.setSubFolders(true);
    ASSERT_TRUE(drop({temp.path(QStringLiteral("folder"))}));
    QStringList sorted = delivered;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (QStringList{temp.path(QStringLiteral("folder/one.scn")),
                                   temp.path(QStringLiteral("folder/sub/deeper/three.scn")),
                                   temp.path(QStringLiteral("folder/sub/two.scn"))}));
    // Depth first: a subfolder's files come before the entries that follow it.
    const qsizetype three =
        delivered.indexOf(temp.path(QStringLiteral("folder/sub/deeper/three.scn")));
    const qsizetype two = delivered.indexOf(temp.path(QStringLiteral("folder/sub/two.scn")));
    EXPECT_EQ(std::abs(three - two), 1);
}

TEST_F(DropperTest, LinkLoopsEndTheWalk) {
    temp.makeFile(QStringLiteral("loop/file.scn"));
    ASSERT_TRUE(
        QFile::link(temp.path(QStringLiteral("loop")), temp.path(QStringLiteral("loop/again"))));
    dropper.setAllowDir(true);
    dropper.setSubFolders(true);
    ASSERT_TRUE(drop({temp.path(QStringLiteral("loop"))}));
    EXPECT_EQ(delivered, QStringList{temp.path(QStringLiteral("loop/file.scn"))});
}

TEST_F(DropperTest, HandlerErrorEndsTheDropAndReachesTheErrorHandler) {
    const QString a = temp.makeFile(QStringLiteral("a"));
    const QString b = temp.makeFile(QStringLiteral("b"));
    const QString c = temp.makeFile(QStringLiteral("c"));
    QStringList errors;
    TestErrorReporter reporter(
        [&errors](const std::exception& error) { errors << QString::fromUtf8(error.what()); });
    dropper.setErrorReporter(&reporter);
    dropper.OnDrop = [this, &b](TFileDropper*, const QByteArray& path) {
        delivered << QFile::decodeName(path);
        if (QFile::decodeName(path) == b)
            throw std::runtime_error("Cannot open file " + path.toStdString());
    };
    EXPECT_TRUE(drop({a, b, c}));
    EXPECT_EQ(delivered, (QStringList{a, b}));
    EXPECT_EQ(errors, QStringList{QStringLiteral("Cannot open file ") + b});
    // The next drop is delivered again in full.
    delivered.clear();
    dropper.OnDrop = [this](TFileDropper*, const QByteArray& path) {
        delivered << QFile::decodeName(path);
    };
    EXPECT_TRUE(drop({a, c}));
    EXPECT_EQ(delivered, (QStringList{a, c}));
}

TEST(Dropper, WithoutDropSiteNothingHappens) {
    TFileDropper dropper;
    dropper.Loaded();
    EXPECT_EQ(dropper.DropSite(), nullptr);
    QWidget site;
    EXPECT_FALSE(site.acceptDrops());
}

} // namespace
