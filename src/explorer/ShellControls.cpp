#include "ShellControls.h"

#include "FileFacts.h"
#include "IDElements.h"
#include "NoticeHold.h"
#include "ShellNamespace.h"

#include <QApplication>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QStyle>
#include <QWidget>

namespace {

// Icons only ever grow into the one shared icon list, so one provider serves the process.
QFileIconProvider& iconProvider() {
    static QFileIconProvider provider;
    return provider;
}

int placeIconIndex(PCItemID place) {
    TSystemImageList& list = TSystemImageList::instance();
    switch (IDElements::placeKindOf(place)) {
    case TPlaceKind::Home:
        return list.indexFor(QStringLiteral("place:home"), [] {
            return QApplication::style()->standardIcon(QStyle::SP_DirHomeIcon);
        });
    case TPlaceKind::Desktop:
        return list.indexFor(QStringLiteral("place:desktop"), [] {
            return QApplication::style()->standardIcon(QStyle::SP_DesktopIcon);
        });
    case TPlaceKind::FileSystem:
        return list.indexFor(QStringLiteral("place:root"), [] {
            return iconProvider().icon(QAbstractFileIconProvider::Computer);
        });
    case TPlaceKind::Volume:
    case TPlaceKind::RemovableVolume:
        return list.indexFor(QStringLiteral("place:volume"),
                             [] { return iconProvider().icon(QAbstractFileIconProvider::Drive); });
    }
    return 0;
}

} // namespace

TIconIndexes GetIconIndexes(PCItemID absolute) {
    TIconIndexes indexes;
    if (!absolute)
        return indexes;
    TSystemImageList& list = TSystemImageList::instance();
    if (ElementCount(absolute) == 0) {
        indexes.normal = list.indexFor(QStringLiteral("desktop"), [] {
            return QApplication::style()->standardIcon(QStyle::SP_DesktopIcon);
        });
        indexes.open = indexes.normal;
        return indexes;
    }
    if (IDElements::isDesktopPlace(absolute)) {
        indexes.normal = indexes.open = placeIconIndex(absolute);
        return indexes;
    }
    const QByteArray native = SHGetNativePathFromIDList(absolute);
    const auto facts = native.isEmpty() ? std::nullopt : ReadFileFacts(native);
    if (!facts)
        return indexes;
    return FileIconIndexes(QFile::decodeName(native), facts->isDirectory);
}

TIconIndexes FileIconIndexes(const QString& path, bool isDirectory) {
    TIconIndexes indexes;
    TSystemImageList& list = TSystemImageList::instance();
    if (isDirectory) {
        indexes.normal = list.indexFor(QStringLiteral("folder"),
                                       [&path] { return iconProvider().icon(QFileInfo(path)); });
        indexes.open = list.indexFor(QStringLiteral("folder-open"), [] {
            return QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
        });
        return indexes;
    }
    // Files of one extension share their icon: the type database is asked once per extension.
    // The answers are indexes into the process's one icon list and never change, so they are
    // kept as long as the list.
    static QHash<QString, int> byExtension;
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString extension =
        dot > path.lastIndexOf(u'/') ? path.mid(dot).toLower() : QStringLiteral("/");
    auto known = byExtension.constFind(extension);
    if (known == byExtension.cend()) {
        static const QMimeDatabase database;
        const QString type = database.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
        known = byExtension.insert(
            extension, list.indexFor(QStringLiteral("type:") + type, [&path] {
                return iconProvider().icon(QFileInfo(path));
            }));
    }
    indexes.normal = indexes.open = *known;
    return indexes;
}

TIconIndexes WithOpenFallback(TIconIndexes indexes) {
    if (indexes.open == 0 && indexes.normal != 0)
        indexes.open = indexes.normal;
    return indexes;
}

int ListItemIconIndex(PCItemID absolute, const QString& path,
                      const std::optional<TFileFacts>& facts) {
    if (IDElements::isDesktopPlace(absolute))
        return GetIconIndexes(absolute).normal;
    return facts ? FileIconIndexes(path, facts->isDirectory).normal : -1;
}

TImageListRef SetupImageLists(TImageListSize size) {
    TImageListRef ref;
    ref.list = &TSystemImageList::instance();
    ref.iconSize = QApplication::style()->pixelMetric(
        size == TImageListSize::Small ? QStyle::PM_SmallIconSize : QStyle::PM_LargeIconSize);
    return ref;
}

QWidget* GetOwnerWindow(QWidget* control) {
    if (!control)
        return QApplication::activeWindow();
    if (control->testAttribute(Qt::WA_WState_Created))
        return control;
    if (QWidget* parent = control->parentWidget();
        parent && parent->testAttribute(Qt::WA_WState_Created))
        return parent;
    if (QWidget* form = control->window(); form && form->testAttribute(Qt::WA_WState_Created))
        return form;
    return QApplication::activeWindow();
}

void ReportMissingFolderData(QWidget* parent) {
    const TNoticeHold hold;
    QMessageBox::critical(parent, QString(), LoadShellMessage(ShellMessages::CouldNotGetFolderData),
                          QMessageBox::Ok);
}

void LinkSystemViews(QWidget* tree, QWidget* list) {
    auto* treeSide = dynamic_cast<TCustomSystemTreeView*>(tree);
    auto* listSide = dynamic_cast<TCustomSystemListView*>(list);
    if (!treeSide || !listSide)
        return;
    treeSide->setListView(list);
    listSide->setTreeView(tree);
}

namespace {

// The first sibling of view that is a Partner without a partner of its own.
template <typename Partner>
QWidget* unlinkedSibling(const QWidget* view, QWidget* (Partner::*partnerOf)() const) {
    if (!view->parentWidget())
        return nullptr;
    for (QObject* sibling : view->parentWidget()->children()) {
        auto* partner = dynamic_cast<Partner*>(sibling);
        if (partner && !(partner->*partnerOf)())
            return qobject_cast<QWidget*>(sibling);
    }
    return nullptr;
}

} // namespace

void LinkTreeWithSiblingList(QWidget* tree) {
    if (QWidget* list = unlinkedSibling(tree, &TCustomSystemListView::TreeView))
        LinkSystemViews(tree, list);
}

void LinkListWithSiblingTree(QWidget* list) {
    if (QWidget* tree = unlinkedSibling(list, &TCustomSystemTreeView::ListView))
        LinkSystemViews(tree, list);
}
