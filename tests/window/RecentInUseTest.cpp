// The File menu's recent campaigns used as a person uses them: opened by the keys of the menu,
// one that vanished meanwhile, and what the desktop's list of recently used files holds.
#include "AppTexts.h"
#include "RealWindow.h"

#include <QDir>
#include <QFile>
#include <QUrl>
#include <QXmlStreamReader>
#include <map>

namespace {

class RecentInUse : public RealWindow {
protected:
    // Opens two campaigns through File, Open; the second ends on top of the list.
    void openTwo() {
        camp = Sample(QStringLiteral("good/Camp.cpn"));
        three = Sample(QStringLiteral("good/Three.cpx"));
        Start();
        OpenCampaign(camp);
        OpenCampaign(three);
    }
    QByteArray contentOf(const QString& relative) {
        QFile file(QDir(Home).filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray recentList() {
        return contentOf(QStringLiteral(".local/state/brindlewick/recent-campaigns"));
    }

    QString camp;
    QString three;
};

// The MIME type of each file the desktop's list holds for the program.
std::map<QString, QString> recentlyUsedTypes(const QByteArray& xbel) {
    std::map<QString, QString> types;
    QXmlStreamReader reader(xbel);
    QString href;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"bookmark")
            href = reader.attributes().value(QLatin1String("href")).toString();
        else if (reader.name() == u"mime-type")
            types[QUrl(href).toLocalFile()] =
                reader.attributes().value(QLatin1String("type")).toString();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return types;
}

} // namespace

TEST_F(RecentInUse, TheMenusNumbersOpenTheCampaignsOpenedBefore) {
    openTwo();
    ChooseMenu(QStringLiteral("f"), QStringLiteral("2"));
    ASSERT_TRUE(WaitForCampaignTitle(QStringLiteral("Camp.cpn"))) << "&2 is the older campaign";
    ChooseMenu(QStringLiteral("f"), QStringLiteral("2"));
    ASSERT_TRUE(WaitForCampaignTitle(QStringLiteral("Three.cpx"))) << "and now the other one";
    EXPECT_EQ(recentList(), "brindlewick recent campaigns 1\n" + QFile::encodeName(three) + '\n' +
                                QFile::encodeName(camp) + '\n');

    const auto types =
        recentlyUsedTypes(contentOf(QStringLiteral(".local/share/recently-used.xbel")));
    EXPECT_EQ(types, (std::map<QString, QString>{{camp, "application/x-qor-campaign"},
                                                 {three, "application/x-qor-expansion"}}));
}

TEST_F(RecentInUse, TheStatusLineShowsAHighlightedCampaignsPath) {
    openTwo();
    const QRect statusLine{0, 511, 300, 19};
    const QImage blank = WindowShot(statusLine);
    Driver->Key(QStringLiteral("alt+f"));
    ASSERT_TRUE(Driver->WaitUntil([this] { return Driver->TopPopup().has_value(); }));
    Driver->SettledShot(Driver->TopPopup()->Geometry, 150);
    // Up reaches Exit whether or not the first item was highlighted, then the campaign above.
    Driver->Key(QStringLiteral("Up"));
    Driver->Key(QStringLiteral("Up"));
    EXPECT_TRUE(Driver->WaitUntil([&] { return WindowShot(statusLine) != blank; }, 20000))
        << "no path in the status line";
    Driver->Key(QStringLiteral("Escape"));
    EXPECT_TRUE(Driver->WaitUntil([&] { return WindowShot(statusLine) == blank; }, 20000))
        << "the path stayed after the menu closed";
}

TEST_F(RecentInUse, AVanishedCampaignIsReportedAndLeavesTheList) {
    openTwo();
    QFile::remove(camp);
    ChooseMenu(QStringLiteral("f"), QStringLiteral("2"));
    AnswerMessage(QStringLiteral("Return"));
    EXPECT_TRUE(Driver->WaitUntil(
        [&] {
            return recentList() ==
                   "brindlewick recent campaigns 1\n" + QFile::encodeName(three) + '\n';
        },
        WindowTimeout))
        << recentList().toStdString();
    EXPECT_EQ(Main().Title, AppTexts::WindowTitleFor(QStringLiteral("Three.cpx")));
}
