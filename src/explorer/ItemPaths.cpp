#include "ItemPaths.h"

#include "NativeUrl.h"
#include "ShellNamespace.h"

#include <QMimeData>

QByteArray NativeItemPath(const TFolderItemData* data) {
    if (!data || !data->AbsoluteID)
        return {};
    return SHGetNativePathFromIDList(data->AbsoluteID);
}

QMimeData* LocalFilesMimeData(const QList<QByteArray>& nativePaths) {
    QList<QUrl> urls;
    for (const QByteArray& path : nativePaths) {
        if (!path.isEmpty())
            urls.append(UrlFromNativePath(path));
    }
    auto* mime = new QMimeData; // handed to the drag, which owns it
    mime->setUrls(urls);
    return mime;
}
