#include "ShellNamespace.h"

#include "DesktopFolder.h"
#include "FileSystemFolder.h"
#include "IDElements.h"
#include "ItemFacts.h"
#include "QtPrinters.h"
#include "TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <set>

namespace {

QString displayName(const TShellFolder& folder, PCItemID relative) {
    const auto answer = folder.GetDisplayNameOf(relative, SHGDN::NORMAL);
    if (!answer)
        return {};
    if (answer->uType == TStrRet::Offset)
        return QFile::decodeName(reinterpret_cast<const char*>(relative + answer->offset));
    return answer->wide;
}

std::set<QString> enumerate(const TShellFolder& folder, std::uint32_t flags) {
    std::set<QString> names;
    auto items = folder.EnumObjects(flags);
    EXPECT_TRUE(items);
    while (auto item = items->Next())
        names.insert(displayName(folder, *item));
    return names;
}

class ShellNamespace : public ::testing::Test {
protected:
    TempFolder temp;
    void SetUp() override {
        temp.makeFile(QStringLiteral("b.txt"), 10);
        temp.makeFile(QStringLiteral(".hidden"));
        temp.makeFolder(QStringLiteral("sub"));
        temp.makeFolder(QStringLiteral(".secret"));
    }
    ItemIDList parse(const QString& path) { return SHGetDesktopFolder()->ParseDisplayName(path); }
    TShellFolderRef bind(const QString& path) {
        const ItemIDList list = parse(path);
        return SHGetDesktopFolder()->BindToObject(list);
    }
};

TEST_F(ShellNamespace, EnumerationHonoursFolderFileAndHiddenFlags) {
    const auto folder = bind(temp.path());
    ASSERT_TRUE(folder);
    EXPECT_EQ(enumerate(*folder, SHCONTF::FOLDERS), (std::set<QString>{"sub"}));
    EXPECT_EQ(enumerate(*folder, SHCONTF::NONFOLDERS), (std::set<QString>{"b.txt"}));
    EXPECT_EQ(enumerate(*folder, SHCONTF::FOLDERS | SHCONTF::NONFOLDERS | SHCONTF::INCLUDEHIDDEN),
              (std::set<QString>{"b.txt", ".hidden", "sub", ".secret"}));
}

TEST_F(ShellNamespace, FileNamesAnswerAsOffsetsIntoTheRelativeID) {
    const ItemIDList name = IDElements::makeName("b.txt");
    const TFileSystemFolder folder(QFile::encodeName(temp.path()));
    const auto answer = folder.GetDisplayNameOf(name, SHGDN::NORMAL);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->uType, TStrRet::Offset);
    EXPECT_STREQ(reinterpret_cast<const char*>(name.get() + answer->offset), "b.txt");
}

TEST_F(ShellNamespace, AttributesFromTheFileSystem) {
    const TFileSystemFolder folder(QFile::encodeName(temp.path()));
    const auto file = folder.GetAttributesOf(IDElements::makeName("b.txt"), SFGAO::RequestMask);
    ASSERT_TRUE(file);
    EXPECT_TRUE(*file & SFGAO::FILESYSTEM);
    EXPECT_TRUE(*file & SFGAO::CANRENAME);
    EXPECT_FALSE(*file & (SFGAO::FOLDER | SFGAO::HASSUBFOLDER | SFGAO::GHOSTED | SFGAO::LINK));
    const auto sub = folder.GetAttributesOf(IDElements::makeName("sub"), SFGAO::RequestMask);
    ASSERT_TRUE(sub);
    EXPECT_TRUE(*sub & SFGAO::FOLDER);
    EXPECT_TRUE(*sub & SFGAO::HASSUBFOLDER);
    const auto hidden = folder.GetAttributesOf(IDElements::makeName(".secret"), SFGAO::RequestMask);
    ASSERT_TRUE(hidden);
    EXPECT_TRUE(*hidden & SFGAO::GHOSTED);
    EXPECT_EQ(*folder.GetAttributesOf(IDElements::makeName("sub"), SFGAO::FOLDER), SFGAO::FOLDER);
    EXPECT_FALSE(folder.GetAttributesOf(IDElements::makeName("missing"), SFGAO::RequestMask));

    ASSERT_TRUE(QFile::link(temp.path("b.txt"), temp.path("link.txt")));
    const auto link = folder.GetAttributesOf(IDElements::makeName("link.txt"), SFGAO::RequestMask);
    ASSERT_TRUE(link);
    EXPECT_TRUE(*link & SFGAO::LINK);
}

TEST_F(ShellNamespace, ParsePathRoundTripsThroughTheDesktop) {
    const ItemIDList list = parse(temp.path(QStringLiteral("sub")));
    ASSERT_TRUE(list);
    EXPECT_TRUE(IDElements::isPlace(list));
    EXPECT_EQ(IDElements::placeKindOf(list), TPlaceKind::Home);
    EXPECT_EQ(SHGetPathFromIDList(list), temp.path(QStringLiteral("sub")));
    EXPECT_FALSE(parse(temp.path(QStringLiteral("missing"))));
    EXPECT_FALSE(parse(QStringLiteral("relative/path")));
    EXPECT_FALSE(parse(temp.path(QStringLiteral("b.txt")) + QChar(0) + QStringLiteral("junk")));
    EXPECT_FALSE(parse(QString()));
    const ItemIDList root = parse(QStringLiteral("/"));
    ASSERT_TRUE(root);
    EXPECT_EQ(IDElements::placeKindOf(root), TPlaceKind::FileSystem);
    EXPECT_EQ(SHGetPathFromIDList(root), QStringLiteral("/"));
    const ItemIDList desktop = AllocIDList(2);
    EXPECT_EQ(SHGetPathFromIDList(desktop), QString());
}

TEST_F(ShellNamespace, DesktopHoldsHomeAndFileSystem) {
    const auto names = enumerate(*SHGetDesktopFolder(), SHCONTF::FOLDERS);
    EXPECT_TRUE(names.count(QStringLiteral("Home")));
    EXPECT_TRUE(names.count(QStringLiteral("File System")));
    const ItemIDList home = parse(QDir::homePath());
    const auto attributes = SHGetDesktopFolder()->GetAttributesOf(home, SFGAO::RequestMask);
    ASSERT_TRUE(attributes);
    EXPECT_TRUE(*attributes & SFGAO::FILESYSANCESTOR);
    EXPECT_TRUE(*attributes & SFGAO::FOLDER);
    EXPECT_EQ(SHGetDescriptionId(home), SHDID::ROOT_REGITEM);
}

TEST_F(ShellNamespace, CompareIDsOrdersNamesNaturally) {
    const TFileSystemFolder folder(QFile::encodeName(temp.path()));
    const ItemIDList a2 = IDElements::makeName("a2");
    const ItemIDList a10 = IDElements::makeName("A10");
    EXPECT_LT(folder.CompareIDs(0, a2, a10), 0);
    EXPECT_GT(folder.CompareIDs(0, a10, a2), 0);
    EXPECT_EQ(folder.CompareIDs(0, a2, IDElements::makeName("a2")), 0);
    // Column 1 orders by size; equal sizes fall back to the name.
    temp.makeFile(QStringLiteral("big"), 100);
    temp.makeFile(QStringLiteral("small"), 1);
    EXPECT_GT(folder.CompareIDs(1, IDElements::makeName("big"), IDElements::makeName("small")), 0);

    const auto desktop = SHGetDesktopFolder();
    const ItemIDList sub = parse(temp.path(QStringLiteral("sub")));
    const ItemIDList file = parse(temp.path(QStringLiteral("b.txt")));
    EXPECT_EQ(desktop->CompareIDs(0, sub, parse(temp.path(QStringLiteral("sub")))), 0);
    EXPECT_GT(desktop->CompareIDs(0, sub, file), 0);
}

TEST_F(ShellNamespace, SetNameOfRenamesWithoutReplacing) {
    const TFileSystemFolder folder(QFile::encodeName(temp.path()));
    const ItemIDList renamed =
        folder.SetNameOf(IDElements::makeName("b.txt"), QStringLiteral("c.txt"), 0x20);
    ASSERT_TRUE(renamed);
    EXPECT_EQ(IDElements::nameOf(renamed), QByteArray("c.txt"));
    EXPECT_TRUE(QFile::exists(temp.path(QStringLiteral("c.txt"))));
    temp.makeFile(QStringLiteral("d.txt"), 3);
    EXPECT_FALSE(folder.SetNameOf(IDElements::makeName("c.txt"), QStringLiteral("d.txt"), 0x20));
    EXPECT_EQ(QFileInfo(temp.path(QStringLiteral("d.txt"))).size(), 3);
    EXPECT_FALSE(folder.SetNameOf(IDElements::makeName("c.txt"), QStringLiteral("x/y"), 0x20));
    EXPECT_FALSE(folder.SetNameOf(IDElements::makeName("c.txt"), QString(), 0x20));
}

TEST_F(ShellNamespace, BindingFollowsOnlyFolders) {
    const auto desktop = SHGetDesktopFolder();
    EXPECT_TRUE(desktop->BindToObject(parse(temp.path(QStringLiteral("sub")))));
    EXPECT_FALSE(desktop->BindToObject(parse(temp.path(QStringLiteral("b.txt")))));
    const ItemIDList empty = AllocIDList(2);
    EXPECT_FALSE(desktop->BindToObject(empty));
}

TEST_F(ShellNamespace, FindDataAndTypeName) {
    const ItemIDList file = parse(temp.path(QStringLiteral("b.txt")));
    const auto data = SHGetFindData(file);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size, 10);
    EXPECT_TRUE(data->lastWrite.isValid());
    EXPECT_EQ(AttributeLetters(data->attributes), QString());
    EXPECT_FALSE(SHGetTypeName(file).isEmpty());
    const ItemIDList hidden = parse(temp.path(QStringLiteral(".hidden")));
    QFile::setPermissions(temp.path(QStringLiteral(".hidden")), QFileDevice::ReadOwner);
    EXPECT_EQ(AttributeLetters(SHGetFindData(hidden)->attributes), QStringLiteral("RH"));
}

TEST_F(ShellNamespace, UnknownTypesAreNamedAfterTheirExtension) {
    EXPECT_EQ(TypeNameOfPath(QStringLiteral("/x/campaign.qzx"), false), QStringLiteral("QZX File"));
    EXPECT_EQ(TypeNameOfPath(QStringLiteral("/x/noextension"), false), QStringLiteral("File"));
    EXPECT_EQ(TypeNameOfPath(QStringLiteral("/x/.qzx"), false), QStringLiteral("File"));
    EXPECT_NE(TypeNameOfPath(QStringLiteral("/x/readme.txt"), false), QStringLiteral("TXT File"));
}

TEST_F(ShellNamespace, SpecialFoldersMapToRealPlaces) {
    EXPECT_EQ(IDListSize(SHGetSpecialFolderLocation(CSIDL::DESKTOP)), 2u);
    EXPECT_EQ(SHGetPathFromIDList(SHGetSpecialFolderLocation(CSIDL::DRIVES)), QStringLiteral("/"));
    for (int csidl :
         {CSIDL::PROGRAMS, CSIDL::CONTROLS, CSIDL::PRINTERS, CSIDL::PERSONAL, CSIDL::FAVORITES,
          CSIDL::STARTUP, CSIDL::RECENT, CSIDL::SENDTO, CSIDL::BITBUCKET, CSIDL::STARTMENU,
          CSIDL::DESKTOPDIRECTORY, CSIDL::NETWORK, CSIDL::NETHOOD, CSIDL::FONTS, CSIDL::TEMPLATES})
        EXPECT_FALSE(SpecialFolderPath(csidl).isEmpty()) << csidl;
    QDir().mkpath(QDir::homePath() + QStringLiteral("/Documents"));
    EXPECT_EQ(SHGetPathFromIDList(SHGetSpecialFolderLocation(CSIDL::PERSONAL)),
              QDir::homePath() + QStringLiteral("/Documents"));
}

} // namespace
