#include "ShellItemCommands.h"

#include "NativeUrl.h"
#include "NoticeHold.h"
#include "PropertiesDialog.h"
#include "ShellControls.h"
#include "ShellTypes.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QUrl>

namespace {

const QString kOpen = QStringLiteral("open");
const QString kOpenContainer = QStringLiteral("opencontainer");
const QString kCopyPath = QStringLiteral("copypath");
const QString kProperties = QStringLiteral("properties");

// The items' paths as the file system's bytes, so that any name can be opened.
QList<QByteArray> pathsOf(const TShellFolderRef& folder, const std::vector<PCItemID>& ids) {
    QList<QByteArray> paths;
    for (PCItemID id : ids) {
        const QByteArray path = folder->NativePathOf(id);
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

bool openAll(const QList<QByteArray>& paths) {
    bool all = !paths.isEmpty();
    for (const QByteArray& path : paths)
        all = QDesktopServices::openUrl(UrlFromNativePath(path)) && all;
    return all;
}

QAction* addVerb(QMenu& menu, const QString& text, const QString& verb) {
    QAction* action = menu.addAction(text);
    action->setData(verb);
    return action;
}

} // namespace

std::unique_ptr<QMenu> BuildItemContextMenu(std::uint32_t attributes, int itemCount) {
    // Without a parent: the menu is this function's caller's alone, whatever becomes of the
    // owner window while it is open.
    auto menu = std::make_unique<QMenu>();
    QAction* open =
        addVerb(*menu, QCoreApplication::translate("ShellItemCommands", "&Open"), kOpen);
    menu->setDefaultAction(open);
    addVerb(*menu, QCoreApplication::translate("ShellItemCommands", "Open Containing &Folder"),
            kOpenContainer);
    //: Copies the path of the one item chosen in the file list or folder tree.
    const QString copyOne = QCoreApplication::translate("ShellItemCommands", "&Copy Path");
    //: Copies the paths of the several items chosen in the file list, one per line.
    const QString copyMany = QCoreApplication::translate("ShellItemCommands", "&Copy Paths");
    addVerb(*menu, itemCount > 1 ? copyMany : copyOne, kCopyPath);
    menu->addSeparator();
    QAction* properties = addVerb(
        *menu, QCoreApplication::translate("ShellItemCommands", "P&roperties"), kProperties);
    properties->setEnabled((attributes & SFGAO::HASPROPSHEET) && itemCount == 1);
    return menu;
}

bool InvokeVerb(const TShellFolderRef& parentFolder, const std::vector<PCItemID>& relativeIDs,
                std::uint32_t attributes, const QString& verb, QWidget* owner) {
    if (!parentFolder || relativeIDs.empty())
        return false;
    const QList<QByteArray> paths = pathsOf(parentFolder, relativeIDs);
    if (paths.isEmpty())
        return false;
    if (verb == kOpen)
        return openAll(paths);
    if (verb == kOpenContainer) {
        QList<QByteArray> folders;
        for (const QByteArray& path : paths) {
            const QByteArray folder = path.left(std::max<qsizetype>(1, path.lastIndexOf('/')));
            if (!folders.contains(folder))
                folders << folder;
        }
        return openAll(folders);
    }
    if (verb == kCopyPath) {
        QStringList shown;
        for (const QByteArray& path : paths)
            shown << QFile::decodeName(path);
        QGuiApplication::clipboard()->setText(shown.join(u'\n'));
        return true;
    }
    if (verb == kProperties) {
        if (!(attributes & SFGAO::HASPROPSHEET))
            return false;
        TPropertiesDialog dialog(paths.front(), owner);
        dialog.exec();
        return true;
    }
    return false;
}

bool ShowItemContextMenu(const TShellFolderRef& parentFolder,
                         const std::vector<PCItemID>& relativeIDs, std::uint32_t attributes,
                         QPoint screenPoint, QWidget* owner) {
    if (!parentFolder || relativeIDs.empty() || pathsOf(parentFolder, relativeIDs).isEmpty())
        return false;
    // The menu runs its own event loop, in which a folder refresh may free the items the
    // arguments point into: keep copies of what the chosen command needs.
    const TShellFolderRef folder = parentFolder;
    std::vector<ItemIDList> owned;
    std::vector<PCItemID> ids;
    for (PCItemID id : relativeIDs)
        owned.push_back(CopyIDList(id));
    for (const ItemIDList& id : owned)
        ids.push_back(id.get());
    const QPointer<QWidget> guardedOwner = owner;
    const auto menu = BuildItemContextMenu(attributes, static_cast<int>(ids.size()));
    const TNoticeHold hold;
    QAction* chosen = menu->exec(screenPoint);
    if (!chosen)
        return true;
    return InvokeVerb(folder, ids, attributes, chosen->data().toString(), guardedOwner);
}

bool InvokeDefaultCommand(const TShellFolderRef& parentFolder,
                          const std::vector<PCItemID>& relativeIDs, std::uint32_t attributes,
                          QWidget* owner) {
    TWaitCursor wait;
    return InvokeVerb(parentFolder, relativeIDs, attributes, kOpen, owner);
}
