#include "RecentlyUsedFiles.h"

#include "PlatformError.h"
#include "TempFolder.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString BookmarkSpace =
    QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString MimeSpace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

struct TApplication {
    QString Exec;
    int Count = 0;
};

struct TBookmark {
    QString Added;
    QString Title;
    QString MimeType;
    std::map<QString, TApplication> Applications;
};

// The bookmarks of a list, by their href, as a desktop reads them.
std::map<QString, TBookmark> bookmarks(const QByteArray& xbel) {
    std::map<QString, TBookmark> found;
    QXmlStreamReader reader(xbel);
    TBookmark* current = nullptr;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = reader.attributes();
        if (reader.name() == u"bookmark" && reader.namespaceUri().isEmpty()) {
            current = &found[a.value(QLatin1String("href")).toString()];
            current->Added = a.value(QLatin1String("added")).toString();
        } else if (current && reader.name() == u"title") {
            current->Title = reader.readElementText();
        } else if (current && reader.name() == u"mime-type" && reader.namespaceUri() == MimeSpace) {
            current->MimeType = a.value(QLatin1String("type")).toString();
        } else if (current && reader.name() == u"application" &&
                   reader.namespaceUri() == BookmarkSpace) {
            current->Applications[a.value(QLatin1String("name")).toString()] = {
                a.value(QLatin1String("exec")).toString(), a.value(QLatin1String("count")).toInt()};
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return found;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TRecentFileUse use(const QByteArray& path) {
    return {path, QStringLiteral("application/x-qor-campaign"),
            QDateTime(QDate(2026, 5, 1), QTime(12, 0), Qt::UTC)};
}

const QByteArray Earlier = R"(<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0"
      xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks"
      xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info"
>
  <bookmark href="file:///home/u/photo.png" added="2025-01-01T10:00:00Z" modified="2025-01-01T10:00:00Z" visited="2025-01-01T10:00:00Z">
    <title>A &amp; B</title>
    <info>
      <metadata owner="http://freedesktop.org">
        <mime:mime-type type="image/png"/>
        <bookmark:applications>
          <bookmark:application name="Viewer" exec="&apos;viewer %u&apos;" modified="2025-01-01T10:00:00Z" count="4"/>
        </bookmark:applications>
      </metadata>
    </info>
  </bookmark>
  <bookmark href="file:///home/u/Camp.cpn" added="2025-02-02T10:00:00Z" modified="2025-02-02T10:00:00Z" visited="2025-02-02T10:00:00Z">
    <info>
      <metadata owner="http://freedesktop.org">
        <mime:mime-type type="application/octet-stream"/>
        <bookmark:applications>
          <bookmark:application name="brindlewick" exec="&apos;brindlewick %u&apos;" modified="2025-02-02T10:00:00Z" count="2"/>
          <bookmark:application name="Files" exec="&apos;files %u&apos;" modified="2025-02-02T10:00:00Z" count="1"/>
        </bookmark:applications>
      </metadata>
    </info>
  </bookmark>
</xbel>
)";

} // namespace

TEST(RecentlyUsedFiles, ANewListHoldsTheCampaignWithItsTypeAndTheProgram) {
    const auto found = bookmarks(WithRecentlyUsedFile({}, use("/home/u/Caf\xe9 1.cpn")));
    ASSERT_EQ(found.size(), 1u);
    const auto& [href, bookmark] = *found.begin();
    EXPECT_EQ(href, "file:///home/u/Caf%E9%201.cpn");
    EXPECT_EQ(bookmark.Added, "2026-05-01T12:00:00.000Z");
    EXPECT_EQ(bookmark.MimeType, "application/x-qor-campaign");
    ASSERT_TRUE(bookmark.Applications.contains("brindlewick"));
    EXPECT_EQ(bookmark.Applications.at("brindlewick").Exec, "'brindlewick %u'");
    EXPECT_EQ(bookmark.Applications.at("brindlewick").Count, 1);
}

TEST(RecentlyUsedFiles, OtherBookmarksStayAndTheCampaignsIsUpdated) {
    const QByteArray updated = WithRecentlyUsedFile(Earlier, use("/home/u/Camp.cpn"));
    const auto found = bookmarks(updated);
    ASSERT_EQ(found.size(), 2u);
    const TBookmark& photo = found.at("file:///home/u/photo.png");
    EXPECT_EQ(photo.Title, "A & B");
    EXPECT_EQ(photo.MimeType, "image/png");
    EXPECT_EQ(photo.Applications.at("Viewer").Exec, "'viewer %u'");
    EXPECT_EQ(photo.Applications.at("Viewer").Count, 4);
    EXPECT_TRUE(updated.contains(
        R"(<bookmark href="file:///home/u/photo.png" added="2025-01-01T10:00:00Z")"));

    const TBookmark& campaign = found.at("file:///home/u/Camp.cpn");
    EXPECT_EQ(campaign.Added, "2025-02-02T10:00:00Z");
    EXPECT_EQ(campaign.MimeType, "application/x-qor-campaign");
    EXPECT_EQ(campaign.Applications.at("brindlewick").Count, 3);
    EXPECT_EQ(campaign.Applications.at("Files").Count, 1);

    EXPECT_EQ(bookmarks(WithRecentlyUsedFile(updated, use("/home/u/New.cpx"))).size(), 3u);
}

TEST(RecentlyUsedFiles, ADamagedListIsLeftAsItWas) {
    for (const QByteArray& damaged :
         {QByteArray("<xbel version=\"1.0\"><bookmark href=\"file:///a\">"),
          QByteArray("<html><body/></html>"), QByteArray("not xml at all")})
        EXPECT_THROW(WithRecentlyUsedFile(damaged, use("/a.cpn")), EPlatformError);

    TempFolder folder;
    const QString file = RecentlyUsedFilesPath(folder.path("data"));
    EXPECT_EQ(file, folder.path("data/recently-used.xbel"));
    AddRecentlyUsedFile(file, use("/a.cpn"));
    EXPECT_EQ(bookmarks(contentOf(file)).size(), 1u) << "made with its folder";

    const QByteArray cut = Earlier.left(Earlier.size() / 2);
    QFile list(file);
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(cut);
    list.close();
    AddRecentlyUsedFile(file, use("/a.cpn"));
    EXPECT_EQ(contentOf(file), cut);
}
