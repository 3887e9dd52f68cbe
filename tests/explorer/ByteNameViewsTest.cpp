// A file and a folder whose names are Latin-1 bytes (not valid UTF-8) in the explorer:
// listed with those bytes in an escape form, and usable for every operation through them.
#include "Dropper.h"
#include "EventLoop.h"
#include "ItemPaths.h"
#include "NativeUrl.h"
#include "PropertiesDialog.h"
#include "QtPrinters.h"
#include "ShellItemCommands.h"
#include "ShellNamespace.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "TempFolder.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kFileName("caf\xE9.scn");
const QByteArray kFolderName("d\xE9p\xF4t");

void makeNativeFile(const QByteArray& path, const QByteArray& content) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, content.constData(), size_t(content.size())), content.size());
    ::close(fd);
}

bool exists(const QByteArray& path) {
    struct stat info {};
    return ::stat(path.constData(), &info) == 0;
}

class ByteNameViews : public ::testing::Test {
protected:
    TempFolder temp;
    QByteArray base = QByteArray::fromStdString(temp.Path().string());
    QByteArray folder = base + '/' + kFolderName;
    QByteArray file = folder + '/' + kFileName;

    void SetUp() override {
        ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
        makeNativeFile(file, "1.11 scenario");
    }
    void TearDown() override {
        EXPECT_TRUE(WaitFor([] { return TFileChangeThread::RunningCount() == 0; }));
        Settle(20);
        EXPECT_EQ(ListLiveFolderDataCount(), 0);
        EXPECT_EQ(TreeLiveFolderDataCount(), 0);
    }
};

TEST_F(ByteNameViews, TheListShowsTheNameAndHandsOnItsBytes) {
    TSystemListView list;
    list.setFileMask(QStringLiteral("*.scn"));
    list.PopulateFolder(SHGetDesktopFolder(), SHGetDesktopFolder()->ParseNativePath(folder), true);
    ASSERT_EQ(list.Count(), 1);
    TListItem* item = list.Item(0);
    EXPECT_EQ(item->Caption, QStringLiteral("caf\\xE9.scn"));
    EXPECT_GE(item->ImageIndex, 0) << "it has an icon";
    EXPECT_EQ(item->SubItems[1], QStringLiteral("Quorvane scenario"));
    EXPECT_FALSE(item->SubItems[2].isEmpty()) << "it has a date";
    EXPECT_EQ(NativeItemPath(item->Data.get()), file);
    EXPECT_TRUE(exists(NativeItemPath(item->Data.get())));

    // A drag carries the bytes, and a drop elsewhere reads them back unchanged.
    const std::unique_ptr<QMimeData> mime(list.Model()->mimeData({list.Model()->index(0, 0)}));
    ASSERT_EQ(mime->urls().size(), 1);
    EXPECT_EQ(NativePathFromUrl(mime->urls().front()), file);

    // Renaming to a proper name and back goes through the bytes of the old name.
    list.setReadOnly(false);
    ASSERT_TRUE(list.Model()->setData(list.Model()->index(0, 0), QStringLiteral("cafe.scn"),
                                      Qt::EditRole));
    EXPECT_TRUE(exists(folder + "/cafe.scn"));
    EXPECT_FALSE(exists(file));
}

TEST_F(ByteNameViews, NamesApartInBytesOrHoldingControlsShowApartAndWhole) {
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"a\tb.scn", QStringLiteral("a\\tb.scn")},
        {"a\nb.scn", QStringLiteral("a\\nb.scn")},
        {"x\x81.scn", QStringLiteral("x\\x81.scn")},
        {"x\x8D.scn", QStringLiteral("x\\x8D.scn")},
    };
    for (const auto& [name, shown] : cases)
        makeNativeFile(folder + '/' + name, "1.11");
    TSystemListView list;
    list.setFileMask(QStringLiteral("*.scn"));
    list.PopulateFolder(SHGetDesktopFolder(), SHGetDesktopFolder()->ParseNativePath(folder), true);
    QStringList captions;
    for (int row = 0; row < list.Count(); ++row) {
        captions << list.Item(row)->Caption;
        const QByteArray path = NativeItemPath(list.Item(row)->Data.get());
        EXPECT_TRUE(exists(path)) << path.toStdString();
    }
    for (const auto& [name, shown] : cases)
        EXPECT_TRUE(captions.contains(shown)) << shown.toStdString();
}

TEST_F(ByteNameViews, TheFolderIsEnteredWatchedAndParsedBack) {
    QWidget form;
    auto* tree = new TSystemTreeView(&form);
    auto* list = new TSystemListView(&form);
    list->setFileMask(QStringLiteral("*.scn"));
    tree->setRootFolder(TRootFolder::rfCustom);
    tree->setCustomDir(temp.path());
    tree->setReadDelay(0);
    // Entering the folder from the list: the tree finds its node by the folder's bytes.
    tree->setSelected(tree->RootNode());
    ASSERT_EQ(list->Count(), 1);
    list->OpenItem(list->Item(0));
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selected()->text(0), QStringLiteral("d\\xE9p\\xF4t"));
    EXPECT_EQ(NativeItemPath(tree->Selected()->Data.get()), folder);
    ASSERT_EQ(list->Count(), 1);
    EXPECT_EQ(NativeItemPath(list->Item(0)->Data.get()), file);
    // The folder is watched: a new file in it shows up.
    ASSERT_TRUE(WaitFor([&] { return tree->WatcherReady(); }));
    makeNativeFile(folder + "/second.scn", "1.18");
    EXPECT_TRUE(WaitFor([&] { return list->Count() == 2; }));
    delete tree;
    delete list;
}

TEST_F(ByteNameViews, ADesktopDropDeliversTheBytes) {
    QWidget site;
    TFileDropper dropper;
    dropper.setDropSite(&site);
    QList<QByteArray> delivered;
    dropper.OnDrop = [&delivered](TFileDropper*, const QByteArray& path) { delivered << path; };
    dropper.setAllowDir(true);
    dropper.Loaded();
    QMimeData mime;
    mime.setUrls({UrlFromNativePath(file), UrlFromNativePath(folder)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&site, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&site, &drop);
    EXPECT_EQ(delivered, (QList<QByteArray>{file, file}));
}

TEST_F(ByteNameViews, CommandsOpenAndDescribeTheRealFile) {
    const ItemIDList parent = SHGetDesktopFolder()->ParseNativePath(folder);
    const TShellFolderRef bound = SHGetDesktopFolder()->BindToObject(parent);
    ASSERT_TRUE(bound);
    const ItemIDList relative = bound->ParseNativePath(kFileName);
    ASSERT_TRUE(relative);
    EXPECT_EQ(bound->NativePathOf(relative), file);
    EXPECT_TRUE(InvokeVerb(bound, {relative.get()}, SFGAO::HASPROPSHEET, QStringLiteral("copypath"),
                           nullptr));
    const TPropertiesDialog properties(file, nullptr);
    EXPECT_EQ(properties.Values()[1], QStringLiteral("Quorvane scenario"));
    EXPECT_EQ(properties.Values()[2], QStringLiteral("13 bytes (1 KB)"));
}

} // namespace
