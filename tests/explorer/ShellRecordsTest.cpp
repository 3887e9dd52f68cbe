#include "ShellRecords.h"

#include "QtPrinters.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

// A folder whose display-name answers are fixed by the test, to read every answer type.
class FixedAnswerFolder : public TShellFolder {
public:
    explicit FixedAnswerFolder(TStrRet answer) : m_answer(std::move(answer)) {}
    std::unique_ptr<TEnumIDList> EnumObjects(std::uint32_t) const override { return nullptr; }
    std::shared_ptr<TShellFolder> BindToObject(PCItemID) const override { return nullptr; }
    int CompareIDs(int, PCItemID, PCItemID) const override { return 0; }
    std::optional<std::uint32_t> GetAttributesOf(PCItemID, std::uint32_t) const override {
        return std::nullopt;
    }
    std::optional<TStrRet> GetDisplayNameOf(PCItemID, std::uint32_t flags) const override {
        m_lastFlags = flags;
        return m_answer;
    }
    ItemIDList ParseDisplayName(const QString&) const override { return {}; }
    ItemIDList SetNameOf(PCItemID, const QString&, std::uint32_t) const override { return {}; }
    QString PathOf(PCItemID) const override { return {}; }
    mutable std::uint32_t m_lastFlags = 0xFFFF;

private:
    TStrRet m_answer;
};

TEST(GetDisplayName, ReadsEachAnswerType) {
    const ItemIDList relative = MakeSingleIDList(std::string_view("xxhello\0", 8));
    TStrRet offset;
    offset.uType = TStrRet::Offset;
    offset.offset = 4;
    EXPECT_EQ(GetDisplayName(FixedAnswerFolder(offset), relative, 0), QStringLiteral("hello"));

    TStrRet wide;
    wide.wide = QStringLiteral("Wide Name");
    EXPECT_EQ(GetDisplayName(FixedAnswerFolder(wide), relative, 0), QStringLiteral("Wide Name"));

    TStrRet inlineText;
    inlineText.uType = TStrRet::CStr;
    std::strcpy(inlineText.cStr.data(), "inline");
    EXPECT_EQ(GetDisplayName(FixedAnswerFolder(inlineText), relative, 0), QStringLiteral("inline"));

    TStrRet unknown;
    unknown.uType = 7;
    EXPECT_EQ(GetDisplayName(FixedAnswerFolder(unknown), relative, 0), QString());

    TStrRet outside;
    outside.uType = TStrRet::Offset;
    outside.offset = 500;
    EXPECT_EQ(GetDisplayName(FixedAnswerFolder(outside), relative, 0), QString());
}

TEST(GetDisplayName, KindIndexPicksTheFlags) {
    const ItemIDList relative = MakeSingleIDList("a");
    FixedAnswerFolder folder{TStrRet{}};
    GetDisplayName(folder, relative, 2);
    EXPECT_EQ(folder.m_lastFlags, SHGDN::FORPARSING);
    GetDisplayName(folder, relative, 0);
    EXPECT_EQ(folder.m_lastFlags, SHGDN::NORMAL);
    folder.m_lastFlags = 42;
    EXPECT_EQ(GetDisplayName(folder, relative, 3), QString());
    EXPECT_EQ(folder.m_lastFlags, 42u);
}

TEST(ShellRecords, MessageTable) {
    EXPECT_EQ(LoadShellMessage(10010), QStringLiteral("Could not get folder data."));
    EXPECT_EQ(LoadShellMessage(10035),
              QStringLiteral("Memory Leak Detected.  Not all folder data was freed."));
    EXPECT_EQ(LoadShellMessage(10040), QStringLiteral("Error parsing mask string."));
    EXPECT_EQ(LoadShellMessage(10000), QStringLiteral("Could not get the root folder."));
    EXPECT_EQ(LoadShellMessage(1), QString());
}

TEST(ShellRecords, LiveRecordCountersAndLeakCheck) {
    const int list = ListLiveFolderDataCount();
    const int tree = TreeLiveFolderDataCount();
    {
        TFolderItemData listRecord(TFolderDataOwner::List);
        TFolderItemData treeRecord(TFolderDataOwner::Tree);
        EXPECT_EQ(ListLiveFolderDataCount(), list + 1);
        EXPECT_EQ(TreeLiveFolderDataCount(), tree + 1);
        EXPECT_THROW(CheckFolderDataLeaks(), ELeaking);
        try {
            CheckFolderDataLeaks();
        } catch (const ELeaking& error) {
            EXPECT_STREQ(error.what(), "Memory Leak Detected.  Not all folder data was freed.");
        }
    }
    EXPECT_EQ(ListLiveFolderDataCount(), list);
    EXPECT_EQ(TreeLiveFolderDataCount(), tree);
    EXPECT_NO_THROW(CheckFolderDataLeaks());
}

TEST(ShellRecords, HasAttributeAndFileSizeHalves) {
    TFolderItemData data(TFolderDataOwner::Tree);
    EXPECT_FALSE(HasAttribute(nullptr, SFGAO::FOLDER));
    data.Attributes = SFGAO::FOLDER | SFGAO::CANRENAME;
    EXPECT_TRUE(HasAttribute(&data, SFGAO::FOLDER | SFGAO::LINK));
    EXPECT_FALSE(HasAttribute(&data, SFGAO::LINK));
    data.setFileSize(0x123456789LL);
    EXPECT_EQ(data.FileSizeHigh, 1u);
    EXPECT_EQ(data.FileSizeLow, 0x23456789u);
    EXPECT_EQ(data.FileSize(), 0x123456789LL);
}

} // namespace
