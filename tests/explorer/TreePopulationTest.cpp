#include "TreePopulation.h"

#include "ShellTypes.h"

#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

// A folder of named items with fixed attributes; an item's own items, when it has any, make
// the folder it binds to. Counts what the tree asks of it.
class StubFolder : public TShellFolder {
public:
    struct Item {
        std::string Name;
        std::uint32_t Attributes = 0;
        bool Hidden = false;
        std::shared_ptr<StubFolder> Inner;
    };

    std::vector<Item> Items;
    bool Unreadable = false;
    mutable std::vector<std::uint32_t> EnumFlags;
    mutable int AttributeQueries = 0;

    StubFolder& add(std::string name, std::uint32_t attributes, bool hidden = false) {
        Items.push_back({std::move(name), attributes, hidden, nullptr});
        return *this;
    }
    std::shared_ptr<StubFolder> addFolder(std::string name, std::uint32_t attributes) {
        add(std::move(name), attributes | SFGAO::FOLDER);
        Items.back().Inner = std::make_shared<StubFolder>();
        return Items.back().Inner;
    }

    std::unique_ptr<TEnumIDList> EnumObjects(std::uint32_t flags) const override {
        EnumFlags.push_back(flags);
        if (Unreadable)
            return nullptr;
        class Enum : public TEnumIDList {
        public:
            std::vector<std::string> Names;
            std::size_t Next_ = 0;
            std::optional<ItemIDList> Next() override {
                if (Next_ >= Names.size())
                    return std::nullopt;
                return MakeSingleIDList(Names[Next_++]);
            }
        };
        auto items = std::make_unique<Enum>();
        for (const Item& item : Items) {
            const bool folder = item.Attributes & SFGAO::FOLDER;
            const bool wanted = folder ? (flags & SHCONTF::FOLDERS) : (flags & SHCONTF::NONFOLDERS);
            if (wanted && (!item.Hidden || (flags & SHCONTF::INCLUDEHIDDEN)))
                items->Names.push_back(item.Name);
        }
        return items;
    }
    std::shared_ptr<TShellFolder> BindToObject(PCItemID relative) const override {
        const Item* item = find(relative);
        return item ? item->Inner : nullptr;
    }
    int CompareIDs(int, PCItemID a, PCItemID b) const override {
        return std::string(ElementData(a)).compare(std::string(ElementData(b)));
    }
    std::optional<std::uint32_t> GetAttributesOf(PCItemID relative,
                                                 std::uint32_t mask) const override {
        ++AttributeQueries;
        const Item* item = find(relative);
        if (!item)
            return std::nullopt;
        return item->Attributes & mask;
    }
    std::optional<TStrRet> GetDisplayNameOf(PCItemID relative, std::uint32_t) const override {
        TStrRet answer;
        answer.wide = QString::fromStdString(std::string(ElementData(relative)));
        return answer;
    }
    ItemIDList ParseDisplayName(const QString&) const override { return {}; }
    ItemIDList SetNameOf(PCItemID, const QString&, std::uint32_t) const override { return {}; }
    QString PathOf(PCItemID) const override { return {}; }

private:
    const Item* find(PCItemID relative) const {
        const std::string name(ElementData(relative));
        for (const Item& item : Items) {
            if (item.Name == name)
                return &item;
        }
        return nullptr;
    }
};

QStringList namesOf(const TTreeEnumeration& read) {
    QStringList names;
    for (const TTreeChild& child : read.Children)
        names << child.Name;
    return names;
}

const auto nothingKnown = [](PCItemID) { return false; };

TEST(TreePopulation, FlagsFollowHiddenAndFiles) {
    EXPECT_EQ(TreeEnumFlags({false, false}), SHCONTF::FOLDERS);
    EXPECT_EQ(TreeEnumFlags({false, true}), SHCONTF::FOLDERS | SHCONTF::INCLUDEHIDDEN);
    EXPECT_EQ(TreeEnumFlags({true, true}),
              SHCONTF::FOLDERS | SHCONTF::INCLUDEHIDDEN | SHCONTF::NONFOLDERS);
}

TEST(TreePopulation, FoldersInTheFolderOrderWithButtonsForSubfolders) {
    StubFolder folder;
    folder.addFolder("beta", SFGAO::HASSUBFOLDER);
    folder.addFolder("alpha", 0);
    folder.add("notes.txt", SFGAO::FILESYSTEM);
    folder.addFolder(".hidden", 0);
    folder.Items.back().Hidden = true;

    const auto read = EnumerateTreeChildren(folder, {false, false}, nothingKnown);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->Any);
    EXPECT_EQ(namesOf(*read), (QStringList{"beta", "alpha"}));
    EXPECT_TRUE(read->Children[0].HasButton);
    EXPECT_FALSE(read->Children[1].HasButton);
    EXPECT_EQ(read->Children[0].Attributes, SFGAO::FOLDER | SFGAO::HASSUBFOLDER);
    EXPECT_EQ(std::string(ElementData(read->Children[1].Relative)), "alpha");

    const auto withHidden = EnumerateTreeChildren(folder, {false, true}, nothingKnown);
    EXPECT_EQ(namesOf(*withHidden), (QStringList{"beta", "alpha", ".hidden"}));
}

TEST(TreePopulation, FilesFilteredByTheirDisplayNameFoldersNever) {
    StubFolder folder;
    folder.add("a.SCN", SFGAO::FILESYSTEM);
    folder.add("b.txt", SFGAO::FILESYSTEM);
    folder.addFolder("maps.d", 0);
    TMaskList masks;
    ParseMask(QStringLiteral("*.scn"), masks);

    const auto read = EnumerateTreeChildren(folder, {true, true, false, &masks}, nothingKnown);
    ASSERT_TRUE(read);
    EXPECT_EQ(namesOf(*read), (QStringList{"a.SCN", "maps.d"}));
    // Without a mask every file is a node.
    const auto all = EnumerateTreeChildren(folder, {true, true}, nothingKnown);
    EXPECT_EQ(namesOf(*all), (QStringList{"a.SCN", "b.txt", "maps.d"}));
}

TEST(TreePopulation, AFolderOfFilesHasAButtonOnlyWhenFilesAreShown) {
    StubFolder folder;
    folder.addFolder("files", 0)->add("x.scn", SFGAO::FILESYSTEM);
    folder.addFolder("hiddenFiles", 0)->add(".x", SFGAO::FILESYSTEM, true);
    folder.addFolder("empty", 0);

    const auto shown = EnumerateTreeChildren(folder, {true, false}, nothingKnown);
    ASSERT_TRUE(shown);
    ASSERT_EQ(shown->Children.size(), 3u);
    EXPECT_TRUE(shown->Children[0].HasButton);
    EXPECT_FALSE(shown->Children[1].HasButton) << "hidden files count only with hidden shown";
    EXPECT_FALSE(shown->Children[2].HasButton);
    const auto withHidden = EnumerateTreeChildren(folder, {true, true}, nothingKnown);
    EXPECT_TRUE(withHidden->Children[1].HasButton);
    const auto foldersOnly = EnumerateTreeChildren(folder, {false, true}, nothingKnown);
    EXPECT_FALSE(foldersOnly->Children[0].HasButton);
}

TEST(TreePopulation, FileSystemRootKeepsFileSystemItemsAndTheirAncestors) {
    StubFolder folder;
    folder.addFolder("home", SFGAO::FILESYSTEM);
    folder.addFolder("network", 0);
    folder.addFolder("computer", SFGAO::FILESYSANCESTOR);
    const auto read = EnumerateTreeChildren(folder, {false, true, true}, nothingKnown);
    EXPECT_EQ(namesOf(*read), (QStringList{"home", "computer"}));
}

TEST(TreePopulation, KnownItemsAreSkippedButCountAndAreNotAsked) {
    StubFolder folder;
    folder.addFolder("kept", 0);
    folder.addFolder("new", 0);
    QSet<QString> seen;
    const auto read = EnumerateTreeChildren(folder, {}, [&seen](PCItemID relative) {
        const QString name = QString::fromStdString(std::string(ElementData(relative)));
        seen << name;
        return name == QStringLiteral("kept");
    });
    ASSERT_TRUE(read);
    EXPECT_EQ(seen, (QSet<QString>{"kept", "new"}));
    EXPECT_EQ(namesOf(*read), QStringList{"new"});
    EXPECT_EQ(folder.AttributeQueries, 1);

    folder.Items.erase(folder.Items.begin() + 1);
    const auto onlyKnown = EnumerateTreeChildren(folder, {}, [](PCItemID) { return true; });
    EXPECT_TRUE(onlyKnown->Any) << "a folder whose items are all shown is not empty";
    EXPECT_TRUE(onlyKnown->Children.empty());
}

TEST(TreePopulation, UnreadableAndEmptyFolders) {
    StubFolder folder;
    folder.Unreadable = true;
    EXPECT_FALSE(EnumerateTreeChildren(folder, {}, nothingKnown));
    folder.Unreadable = false;
    const auto empty = EnumerateTreeChildren(folder, {}, nothingKnown);
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->Any);
}

TEST(TreePopulation, AnItemOfItsOwnNameKeepsThatNameForTheMask) {
    StubFolder folder;
    folder.add("root.bin", SFGAO::FILESYSTEM);
    TMaskList masks;
    ParseMask(QStringLiteral("*.scn"), masks);
    const TTreeFilter filter{false, true, false, &masks};
    EXPECT_FALSE(ReadTreeChild(folder, MakeSingleIDList("root.bin"), "root.bin", filter));
    const auto captioned =
        ReadTreeChild(folder, MakeSingleIDList("root.bin"), "Campaigns.scn", filter);
    ASSERT_TRUE(captioned);
    EXPECT_EQ(captioned->Name, QStringLiteral("Campaigns.scn"));
    // An item that cannot be read any more is kept, without attributes.
    const auto vanished = ReadTreeChild(folder, MakeSingleIDList("gone"), "gone", {});
    ASSERT_TRUE(vanished);
    EXPECT_EQ(vanished->Attributes, 0u);
}

} // namespace
