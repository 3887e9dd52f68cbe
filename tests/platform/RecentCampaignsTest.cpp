#include "RecentCampaigns.h"

#include "TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TRecentCampaigns opened(std::initializer_list<const char*> paths) {
    TRecentCampaigns list;
    for (const char* path : paths)
        list = WithRecentCampaign(std::move(list), path);
    return list;
}

QByteArray header() {
    return QByteArray(RecentCampaignsFormat) + '\n';
}

} // namespace

TEST(RecentCampaigns, NewestFirstWithoutDuplicatesAndEightAtMost) {
    EXPECT_EQ(opened({"/a.cpn", "/b.cpn", "/c.cpx"}),
              (TRecentCampaigns{"/c.cpx", "/b.cpn", "/a.cpn"}));
    EXPECT_EQ(opened({"/a.cpn", "/b.cpn", "/a.cpn"}), (TRecentCampaigns{"/a.cpn", "/b.cpn"}));
    EXPECT_EQ(opened({"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"}),
              (TRecentCampaigns{"/10", "/9", "/8", "/7", "/6", "/5", "/4", "/3"}));
    // What one line of the file cannot hold is not kept.
    EXPECT_EQ(opened({"/a.cpn", "relative.cpn", "", "/line\nbreak.cpn"}),
              TRecentCampaigns{"/a.cpn"});
    EXPECT_EQ(WithoutRecentCampaign(opened({"/a", "/b", "/c"}), "/b"),
              (TRecentCampaigns{"/c", "/a"}));
}

TEST(RecentCampaigns, TheFileKeepsExactBytes) {
    TempFolder folder;
    const QString file = RecentCampaignsFile(folder.path("state"));
    EXPECT_EQ(file, folder.path("state/brindlewick/recent-campaigns"));
    EXPECT_TRUE(ReadRecentCampaigns(file).empty()) << "no file yet";
    const TRecentCampaigns list{"/home/u/Caf\xe9 \xff.cpn", "/home/u/\xd0\x9a\xd0\xb0.cpx"};
    WriteRecentCampaigns(file, list);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), header() + list[0] + '\n' + list[1] + '\n');
    EXPECT_EQ(ReadRecentCampaigns(file), list);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"state"});
}

TEST(RecentCampaigns, ADamagedFileIsNoList) {
    const QByteArray tooMany = header() + QByteArray("/x\n").repeated(9);
    const QByteArray tooLong = header() + '/' + QByteArray(5000, 'a') + '\n';
    for (const QByteArray& text :
         {QByteArray("recent\n/a.cpn\n"), QByteArray(), header() + QByteArray("/a\0b\n", 5),
          tooMany, tooLong, header() + "relative.cpn\n"})
        EXPECT_FALSE(ParseRecentCampaigns(text).has_value()) << text.left(60).toStdString();
    EXPECT_EQ(ParseRecentCampaigns(header() + "/a.cpn\n/b.cpx"),
              (TRecentCampaigns{"/a.cpn", "/b.cpx"}));

    TempFolder folder;
    const QString file = RecentCampaignsFile(folder.path());
    folder.makeFolder("brindlewick");
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(1 << 20, '/'));
    damaged.close();
    EXPECT_TRUE(ReadRecentCampaigns(file).empty());
    // A folder where the file should be cannot be read.
    QFile::remove(file);
    folder.makeFolder("brindlewick/recent-campaigns");
    EXPECT_TRUE(ReadRecentCampaigns(file).empty());
}
