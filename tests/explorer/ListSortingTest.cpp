// The file list's column sorts: folders first, then the facts gathered when the items were
// added, so that a sort reads no file.
#include "ListSorting.h"

#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "TempFolder.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/time.h>
#include <vector>

namespace {

void setModified(const QString& path, long seconds) {
    const timeval times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(path).constData(), times), 0);
}

// Every item of the folder as the list makes it: the record, the caption and the details.
std::vector<std::unique_ptr<TListItem>> listedItems(const QString& path) {
    const TShellFolderRef desktop = SHGetDesktopFolder();
    const ItemIDList absolute = desktop->ParseDisplayName(path);
    const TShellFolderRef folder = desktop->BindToObject(absolute);
    std::vector<std::unique_ptr<TListItem>> items;
    const auto listing = folder->EnumObjects(SHCONTF::FOLDERS | SHCONTF::NONFOLDERS);
    while (auto relative = listing->Next()) {
        auto item = std::make_unique<TListItem>();
        item->Data = std::make_unique<TFolderItemData>(TFolderDataOwner::List);
        item->Data->ParentFolder = folder;
        item->Data->Attributes = folder->GetAttributesOf(*relative, SFGAO::RequestMask).value();
        item->Data->AbsoluteID = ConcatIDLists(absolute, *relative);
        item->Data->RelativeID = std::move(*relative);
        item->Caption = GetDisplayName(*folder, item->Data->RelativeID, 0);
        TItemDetails details = GatherItemDetails(*item->Data, item->Caption);
        item->SubItems = details.Texts;
        item->Keys = details.Keys;
        items.push_back(std::move(item));
    }
    return items;
}

QStringList sortedCaptions(std::vector<std::unique_ptr<TListItem>>& items, int column,
                           bool descending) {
    const std::int32_t parameter = SortParameter(column, descending);
    std::stable_sort(items.begin(), items.end(), [parameter](const auto& a, const auto& b) {
        return DefaultListCompare(a.get(), b.get(), parameter) < 0;
    });
    QStringList captions;
    for (const auto& item : items)
        captions << item->Caption;
    return captions;
}

TEST(ListSorting, ColumnSortsReadNoFile) {
    TempFolder temp;
    setModified(temp.makeFile(QStringLiteral("a.scn"), 3000), 3000000);
    setModified(temp.makeFile(QStringLiteral("b.scx"), 10), 1000000);
    setModified(temp.makeFile(QStringLiteral("c.scn"), 500), 2000000);
    auto items = listedItems(temp.path());
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->SubItems[1], QStringLiteral("Quorvane scenario"));
    // Gone from the disk after listing: the sorts still know every fact.
    for (const char* name : {"a.scn", "b.scx", "c.scn"})
        ASSERT_TRUE(QFile::remove(temp.path(QString::fromLatin1(name))));
    EXPECT_EQ(sortedCaptions(items, 1, false), (QStringList{"b.scx", "c.scn", "a.scn"}));
    EXPECT_EQ(sortedCaptions(items, 2, false), (QStringList{"b.scx", "a.scn", "c.scn"}))
        << "Meltharn before Quorvane";
    EXPECT_EQ(sortedCaptions(items, 3, false), (QStringList{"b.scx", "c.scn", "a.scn"}));
    EXPECT_EQ(sortedCaptions(items, 3, true), (QStringList{"a.scn", "c.scn", "b.scx"}));
    EXPECT_EQ(sortedCaptions(items, 0, false), (QStringList{"a.scn", "b.scx", "c.scn"}));
}

TEST(SortParameter, ColumnLowDescendingHigh) {
    EXPECT_EQ(SortParameter(3, false), 3);
    EXPECT_EQ(static_cast<std::uint32_t>(SortParameter(3, true)), 0xFFFF0003u);
    EXPECT_EQ(DefaultListCompare(nullptr, nullptr, 0), 0);
    TListItem item;
    EXPECT_EQ(DefaultListCompare(nullptr, &item, 0), -1);
    EXPECT_EQ(DefaultListCompare(&item, nullptr, 0), 1);
}

} // namespace
