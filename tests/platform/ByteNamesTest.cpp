// Names that are not valid UTF-8 (Latin-1 bytes from old Windows disks), the natural name
// order of enumeration and the program's own file types.
#include "DesktopFolder.h"
#include "DisplayNames.h"
#include "FileSystemFolder.h"
#include "FileFacts.h"
#include "ItemFacts.h"
#include "NativeUrl.h"
#include "ProgramMimeTypes.h"
#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "TempFolder.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

const QByteArray kLatin1Name("caf\xE9.scn");
const QByteArray kLatin1Folder("d\xE9p\xF4t");

QByteArray nativeOf(const TempFolder& temp) {
    return QByteArray::fromStdString(temp.Path().string());
}

void makeNativeFile(const QByteArray& path, const QByteArray& content) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, content.constData(), size_t(content.size())), content.size());
    ::close(fd);
}

std::vector<QByteArray> enumeratedNames(const TShellFolder& folder, std::uint32_t flags) {
    std::vector<QByteArray> names;
    auto items = folder.EnumObjects(flags);
    EXPECT_TRUE(items);
    while (items) {
        auto item = items->Next();
        if (!item)
            break;
        names.push_back(folder.NativePathOf(*item).mid(folder.NativePathOf(*item).lastIndexOf('/') + 1));
    }
    return names;
}

TEST(ByteNames, EveryPathIsBuiltFromTheNamesBytes) {
    TempFolder temp;
    const QByteArray base = nativeOf(temp);
    ASSERT_EQ(::mkdir((base + '/' + kLatin1Folder).constData(), 0755), 0);
    makeNativeFile(base + '/' + kLatin1Folder + '/' + kLatin1Name, "1.11 payload");

    // Parsed back from its bytes, through the desktop, down into the odd folder.
    const QByteArray filePath = base + '/' + kLatin1Folder + '/' + kLatin1Name;
    const ItemIDList absolute = SHGetDesktopFolder()->ParseNativePath(filePath);
    ASSERT_TRUE(absolute);
    EXPECT_EQ(SHGetNativePathFromIDList(absolute), filePath);
    // The shown path marks the bad bytes visibly instead of dropping them.
    EXPECT_TRUE(SHGetPathFromIDList(absolute).contains(QChar(QChar::ReplacementCharacter)));

    // Facts, type and date come from the real file.
    const auto find = SHGetFindData(absolute);
    ASSERT_TRUE(find.has_value());
    EXPECT_EQ(find->size, 12);
    EXPECT_TRUE(find->lastWrite.isValid());
    EXPECT_EQ(SHGetTypeName(absolute), QStringLiteral("Quorvane scenario"));
    EXPECT_EQ(SHGetDescriptionId(absolute), SHDID::FS_FILE);

    // The folder binds and lists the file under its own bytes.
    const ItemIDList folderID = SHGetDesktopFolder()->ParseNativePath(base + '/' + kLatin1Folder);
    const TShellFolderRef folder = SHGetDesktopFolder()->BindToObject(folderID);
    ASSERT_TRUE(folder);
    EXPECT_EQ(enumeratedNames(*folder, SHCONTF::NONFOLDERS), std::vector<QByteArray>{kLatin1Name});
    const auto attributes =
        SHGetDesktopFolder()->GetAttributesOf(absolute, SFGAO::RequestMask);
    ASSERT_TRUE(attributes.has_value());
    EXPECT_TRUE(*attributes & SFGAO::FILESYSTEM);
}

TEST(ByteNames, FileUrlsCarryTheExactBytes) {
    const QByteArray path = "/tmp/" + kLatin1Folder + "/a b%" + kLatin1Name;
    const QUrl url = UrlFromNativePath(path);
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(NativePathFromUrl(url), path);
    // Through the text form a drag carries between programs.
    EXPECT_EQ(NativePathFromUrl(QUrl::fromEncoded(url.toEncoded())), path);
    EXPECT_EQ(NativePathFromUrl(QUrl(QStringLiteral("https://example.org/x"))), QByteArray());
    EXPECT_EQ(CleanNativePath("/a/./b//../" + kLatin1Name), "/a/" + kLatin1Name);
}

TEST(DisplayNames, BytesThatWouldNotShowOrWouldShowAlikeAreEscaped) {
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"plain name.scn", QStringLiteral("plain name.scn")},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB2", QStringLiteral("caf\u00E9 \u20AC \U0001F3B2")},
        {"caf\xE9", QStringLiteral("caf\\xE9")},
        {"a\tb\nc\rd\x01\x7F", QStringLiteral("a\\tb\\nc\\rd\\x01\\x7F")},
        {"back\\slash", QStringLiteral("back\\\\slash")},
        {"c1\xC2\x85", QStringLiteral("c1\\xC2\\x85")},
        // Overlong, surrogate, beyond U+10FFFF, cut short: every byte escaped on its own.
        {"\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE2\x82",
         QStringLiteral("\\xC0\\xAF\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80\\xE2\\x82")},
    };
    for (const auto& [bytes, shown] : cases)
        EXPECT_EQ(DisplayNameOfBytes(bytes), shown) << bytes.toStdString();
}

TEST(EnumerationOrder, NamesComeInNaturalOrderWhateverTheDiskOrder) {
    TempFolder temp;
    const QStringList made{"Hotel", "echo", "Alpha", "golf", "Charlie", "file10", "Delta",
                           "file9", "Bravo", "Foxtrot"};
    for (const QString& name : made)
        temp.makeFile(name);
    temp.makeFolder(QStringLiteral("b-folder"));
    const TFileSystemFolder folder(nativeOf(temp));
    const std::vector<QByteArray> expected{"Alpha", "b-folder", "Bravo", "Charlie", "Delta",
                                           "echo",  "file9",    "file10", "Foxtrot", "golf",
                                           "Hotel"};
    EXPECT_EQ(enumeratedNames(folder, SHCONTF::FOLDERS | SHCONTF::NONFOLDERS), expected);
}

TEST(ProgramMimeTypes, ScenarioAndCampaignTypesAreShippedAndUsed) {
    EXPECT_EQ(TypeNameOfPath(QStringLiteral("/x/Demo.SCN"), false), QStringLiteral("Quorvane scenario"));
    EXPECT_EQ(TypeNameOfPath(QStringLiteral("/x/demo.scx"), false), QStringLiteral("Meltharn scenario"));
    EXPECT_EQ(TypeNameOfPath(QStringLiteral("/x/a.cpn"), false),
              QStringLiteral("Quorvane/Meltharn Campaign"));
    const auto scenarioType = ProgramMimeTypeOf(QStringLiteral("a.scn"));
    const auto expansionType = ProgramMimeTypeOf(QStringLiteral("a.scx"));
    ASSERT_TRUE(scenarioType.has_value() && expansionType.has_value());
    EXPECT_EQ(scenarioType->name, QStringLiteral("application/x-qor-scenario"));
    EXPECT_EQ(expansionType->name, QStringLiteral("application/x-qor-expansion-scenario"));
    EXPECT_FALSE(ProgramMimeTypeOf(QStringLiteral("scn")).has_value());
    EXPECT_FALSE(ProgramMimeTypeOf(QStringLiteral("a.scn.bak")).has_value());

    // The copy built into the program is the file an installation registers.
    QFile shipped(QStringLiteral(BRINDLEWICK_TEST_DATA_DIR "/../../resources/desktop/brindlewick-mime.xml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const auto types = ParseMimePackage(shipped.readAll());
    ASSERT_EQ(types.size(), ProgramMimeTypes().size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        EXPECT_EQ(types[i].name, ProgramMimeTypes()[i].name);
        EXPECT_EQ(types[i].comment, ProgramMimeTypes()[i].comment);
    }
}

TEST(ProgramMimeTypes, PackageParsingTakesCommentsAndExtensionGlobs) {
    const auto types = ParseMimePackage(
        "<mime-info><mime-type type='a/b'><comment xml:lang='de'>X</comment>"
        "<comment>Plain</comment><glob pattern='*.AbC'/><glob pattern='README'/></mime-type>"
        "<mime-type type='c/d'><glob pattern='*.d'/></mime-type><broken");
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].comment, QStringLiteral("Plain"));
    EXPECT_EQ(types[0].extensions, std::vector<QString>{QStringLiteral(".abc")});
}

} // namespace
