#include "ItemFacts.h"

#include "IDElements.h"
#include "ProgramMimeTypes.h"
#include "ShellNamespace.h"
#include "ShellTypes.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMimeDatabase>

namespace {

// The descriptions are looked up once per MIME type: a folder of thousands of files of a
// few types asks the database a few times only.
QString describe(const QMimeType& type) {
    static QHash<QString, QString> descriptions;
    auto found = descriptions.constFind(type.name());
    if (found != descriptions.cend())
        return *found;
    return descriptions.insert(type.name(), type.comment()).value();
}

} // namespace

QString TypeNameOfPath(const QString& path, bool isDirectory) {
    static const QMimeDatabase database;
    if (isDirectory)
        return describe(database.mimeTypeForName(QStringLiteral("inode/directory")));
    if (const auto own = ProgramMimeTypeOf(path))
        return own->comment;
    const QMimeType type = database.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    if (!type.isDefault())
        return describe(type);
    // A type the database does not know is named after its extension, as "SCX File".
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot > slash + 1 && dot < path.size() - 1)
        //: The type of a file no program claims; %1 is its extension in capitals ("SCX").
        return QCoreApplication::translate("ItemFacts", "%1 File").arg(path.mid(dot + 1).toUpper());
    //: The type of a file without an extension that no program claims.
    return QCoreApplication::translate("ItemFacts", "File");
}

std::uint32_t FindAttributesOf(const QByteArray& path, const TFileFacts& facts) {
    std::uint32_t attributes = 0;
    if (!facts.isWritable)
        attributes |= FileAttribute::READONLY;
    if (IsHiddenName(path.mid(path.lastIndexOf('/') + 1)))
        attributes |= FileAttribute::HIDDEN;
    if (!facts.isDirectory && !facts.isRegular)
        attributes |= FileAttribute::SYSTEM;
    if (facts.isDirectory)
        attributes |= FileAttribute::DIRECTORY;
    return attributes;
}

QString AttributeLetters(std::uint32_t findAttributes) {
    QString letters;
    if (findAttributes & FileAttribute::READONLY)
        letters += u'R';
    if (findAttributes & FileAttribute::HIDDEN)
        letters += u'H';
    if (findAttributes & FileAttribute::SYSTEM)
        letters += u'S';
    if (findAttributes & FileAttribute::ARCHIVE)
        letters += u'A';
    return letters;
}

std::optional<TFindData> SHGetFindData(PCItemID absolute) {
    const QByteArray native = SHGetNativePathFromIDList(absolute);
    if (native.isEmpty())
        return std::nullopt;
    const auto facts = ReadFileFacts(native);
    if (!facts)
        return std::nullopt;
    TFindData data;
    data.attributes = FindAttributesOf(native, *facts);
    data.size = facts->size;
    data.lastWrite = QDateTime::fromMSecsSinceEpoch(facts->modifiedSeconds * 1000 +
                                                    facts->modifiedNanoseconds / 1000000);
    return data;
}

int SHGetDescriptionId(PCItemID absolute) {
    if (!absolute)
        return 0;
    if (IDElements::isDesktopPlace(absolute))
        return SHDID::ROOT_REGITEM;
    const QByteArray native = SHGetNativePathFromIDList(absolute);
    if (native.isEmpty())
        return 0;
    const auto facts = ReadFileFacts(native);
    if (!facts)
        return 0;
    return facts->isDirectory ? SHDID::FS_DIRECTORY : SHDID::FS_FILE;
}

QString SHGetTypeName(PCItemID absolute) {
    const QByteArray native = SHGetNativePathFromIDList(absolute);
    if (native.isEmpty())
        return {};
    const auto facts = ReadFileFacts(native);
    if (!facts)
        return {};
    return TypeNameOfPath(QFile::decodeName(native), facts->isDirectory);
}
