#include "ItemDetails.h"

#include "DetailTexts.h"
#include "ItemFacts.h"
#include "ShellNamespace.h"

QStringList ItemDetailTexts(TFolderItemData& data) {
    const QString path = SHGetPathFromIDList(data.AbsoluteID);
    const auto find = SHGetFindData(data.AbsoluteID);
    const int descriptionId = SHGetDescriptionId(data.AbsoluteID);

    QString size;
    const bool removableRoot =
        (data.Attributes & SFGAO::REMOVABLE) && !path.isEmpty() && IsDriveRoot(path);
    if (!removableRoot && !(data.Attributes & (SFGAO::FOLDER | SFGAO::HASSUBFOLDER)) &&
        (data.Attributes & SFGAO::FILESYSTEM)) {
        data.SetFileSize(find ? find->size : 0);
        size = SizeText(data.FileSize());
    }
    const QString type = descriptionId == SHDID::ROOT_REGITEM
                             ? QStringLiteral("System Folder")
                             : SHGetTypeName(data.AbsoluteID).left(80);
    const QString modified = find ? ModifiedText(find->lastWrite) : QString();
    const QString letters = find ? AttributeLetters(find->attributes) : QString();
    return {size, type, modified, letters};
}
