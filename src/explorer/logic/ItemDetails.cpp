#include "ItemDetails.h"

#include "DetailTexts.h"
#include "FileFacts.h"
#include "IDElements.h"
#include "ItemFacts.h"
#include "NaturalCompare.h"

#include <QCoreApplication>
#include <QFile>

namespace {

int sign(std::int64_t value) {
    return (value > 0) - (value < 0);
}

int compareColumn(int column, const TItemSortKeys& a, const TItemSortKeys& b) {
    switch (column) {
    case 1:
        return sign(a.Size - b.Size);
    case 2:
        return NaturalCompare(a.Type, b.Type);
    case 3:
        if (a.ModifiedSeconds != b.ModifiedSeconds)
            return sign(a.ModifiedSeconds - b.ModifiedSeconds);
        return sign(a.ModifiedNanoseconds - b.ModifiedNanoseconds);
    case 4:
        return sign(QString::compare(a.Attributes, b.Attributes));
    default:
        return 0;
    }
}

} // namespace

TItemDetails GatherItemDetails(TFolderItemData& data, const QString& name) {
    // Through the parent folder: one join instead of a walk from the desktop.
    const QByteArray native =
        data.ParentFolder ? data.ParentFolder->NativePathOf(data.RelativeID) : QByteArray();
    const QString path = QFile::decodeName(native);
    const auto facts = native.isEmpty() ? std::nullopt : ReadFileFacts(native);
    const bool place = IDElements::isDesktopPlace(data.AbsoluteID);

    TItemDetails details;
    details.Path = path;
    TItemSortKeys& keys = details.Keys;
    keys.Known = facts && IDElements::isName(data.RelativeID);
    keys.Name = name;

    QString size;
    const bool removableRoot =
        (data.Attributes & SFGAO::REMOVABLE) && !path.isEmpty() && IsDriveRoot(path);
    if (!removableRoot && !(data.Attributes & (SFGAO::FOLDER | SFGAO::HASSUBFOLDER)) &&
        (data.Attributes & SFGAO::FILESYSTEM)) {
        data.setFileSize(facts ? facts->size : 0);
        size = SizeText(data.FileSize());
    }
    QString type;
    if (place)
        //: The type column of the desktop's places (home, file system, volumes).
        type = QCoreApplication::translate("ItemDetails", "System Folder");
    else if (facts)
        type = TypeNameOfPath(path, facts->isDirectory).left(80);
    QString modified;
    QString letters;
    if (facts) {
        keys.Size = facts->size;
        keys.ModifiedSeconds = facts->modifiedSeconds;
        keys.ModifiedNanoseconds = facts->modifiedNanoseconds;
        modified = ModifiedText(QDateTime::fromMSecsSinceEpoch(
            facts->modifiedSeconds * 1000 + facts->modifiedNanoseconds / 1000000));
        letters = AttributeLetters(FindAttributesOf(native, *facts));
    }
    keys.Type = type;
    keys.Attributes = letters;
    details.Texts = {size, type, modified, letters};
    details.Facts = facts;
    return details;
}

int CompareItemKeys(int column, const TItemSortKeys& a, const TItemSortKeys& b) {
    if (const int result = compareColumn(column, a, b))
        return result;
    return NaturalCompare(a.Name, b.Name);
}
