#include "ShellControls.h"

#include "DisplayNames.h"
#include "FileFacts.h"
#include "IDElements.h"
#include "NoticeHold.h"
#include "ShellNamespace.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QStyle>
#include <QWidget>
#include <atomic>
#include <cstring>

namespace {

// The live records of every list and of every tree in the process. They outlive the views:
// the check at the program's end reads them after every view is gone, so no view can own them.
std::atomic<int> g_listLive{0};
std::atomic<int> g_treeLive{0};

std::atomic<int>& counterOf(TFolderDataOwner owner) {
    return owner == TFolderDataOwner::List ? g_listLive : g_treeLive;
}

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

QString LoadShellMessage(int id) {
    switch (id) {
    case ShellMessages::CouldNotGetRootFolder:
        return QCoreApplication::translate("ShellControls", "Could not get the root folder.");
    case ShellMessages::CouldNotEnumerate:
        return QCoreApplication::translate("ShellControls", "Could not enumerate system objects.");
    case ShellMessages::CouldNotGetFolderData:
        return QCoreApplication::translate("ShellControls", "Could not get folder data.");
    case ShellMessages::CouldNotFindFolder:
        return QCoreApplication::translate("ShellControls", "Could not find folder.");
    case ShellMessages::CouldNotGetDesktop:
        return QCoreApplication::translate("ShellControls", "Could not get Desktop folder.");
    case ShellMessages::InvokeCommandFailed:
        //: Running a command on a file failed; "$%x" stands for the hexadecimal error code.
        return QCoreApplication::translate("ShellControls", "InvokeCommand failed. Result = $%x");
    case ShellMessages::CouldNotGetUIObject:
        //: A file's menu could not be made; "$%x" stands for the hexadecimal error code.
        return QCoreApplication::translate("ShellControls",
                                           "Could not get UI object. Result = $%x");
    case ShellMessages::MemoryLeakDetected:
        //: Shown when the program ends while records of the file list are still alive.
        return QCoreApplication::translate("ShellControls",
                                           "Memory Leak Detected.  Not all folder data was freed.");
    case ShellMessages::ErrorParsingMask:
        //: The file list's filter, such as "*.scn;*.scx", could not be read.
        return QCoreApplication::translate("ShellControls", "Error parsing mask string.");
    default:
        return {};
    }
}

TFolderItemData::TFolderItemData(TFolderDataOwner owner) : m_owner(owner) {
    ++counterOf(m_owner);
}

TFolderItemData::~TFolderItemData() {
    --counterOf(m_owner);
}

int ListLiveFolderDataCount() {
    return g_listLive.load();
}
int TreeLiveFolderDataCount() {
    return g_treeLive.load();
}

ELeaking::ELeaking()
    : std::runtime_error(LoadShellMessage(ShellMessages::MemoryLeakDetected).toStdString()) {}

void CheckFolderDataLeaks() {
    if (ListLiveFolderDataCount() > 0)
        throw ELeaking();
}

bool HasAttribute(const TFolderItemData* data, std::uint32_t mask) {
    return data && (data->Attributes & mask) != 0;
}

int CompareInFolder(const TFolderItemData& a, const TFolderItemData* b, int column) {
    const PCItemID other = b ? b->RelativeID.get() : nullptr;
    return static_cast<std::int8_t>(a.ParentFolder->CompareIDs(column, a.RelativeID, other));
}

bool RenameFolderItem(TFolderItemData* data, const QString& newName, PCItemID parentAbsolute) {
    // The flags value asks for the new name as a name inside the same folder.
    constexpr std::uint32_t kRenameFlags = 0x20;
    if (!data || !HasAttribute(data, SFGAO::CANRENAME))
        return false;
    ItemIDList renamed = data->ParentFolder->SetNameOf(data->RelativeID, newName, kRenameFlags);
    if (!renamed)
        return false;
    data->RelativeID = std::move(renamed);
    data->AbsoluteID = ConcatIDLists(parentAbsolute, data->RelativeID);
    return true;
}

QString GetDisplayName(const TShellFolder& folder, PCItemID relative, int kindIndex) {
    if (kindIndex < 0 || kindIndex >= static_cast<int>(SHGDN::Kinds.size()) || !relative)
        return {};
    const auto answer =
        folder.GetDisplayNameOf(relative, SHGDN::Kinds[static_cast<std::size_t>(kindIndex)]);
    if (!answer)
        return {};
    switch (answer->uType) {
    case TStrRet::WStr:
        return answer->wide;
    case TStrRet::Offset: {
        const std::size_t size = IDListSize(relative);
        if (answer->offset >= size)
            return {};
        const char* text = reinterpret_cast<const char*>(relative + answer->offset);
        const std::size_t length = strnlen(text, size - answer->offset);
        return DisplayNameOfBytes(QByteArray(text, static_cast<qsizetype>(length)));
    }
    case TStrRet::CStr: {
        const std::size_t length = strnlen(answer->cStr.data(), answer->cStr.size());
        return DisplayNameOfBytes(QByteArray(answer->cStr.data(), static_cast<qsizetype>(length)));
    }
    default:
        return {};
    }
}

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
    if (IDListElementCount(absolute) == 1 && IDElements::isPlace(absolute)) {
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
