#pragma once

#include "ItemIDList.h"
#include "ShellFolder.h"
#include "ShellTypes.h"
#include "SystemImageList.h"

#include <QCursor>
#include <QGuiApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>

class QWidget;
class QObject;

// The pane's message table.
namespace ShellMessages {
constexpr int CouldNotGetRootFolder = 10000;
constexpr int CouldNotEnumerate = 10005;
constexpr int CouldNotGetFolderData = 10010;
constexpr int CouldNotFindFolder = 10015;
constexpr int CouldNotGetDesktop = 10020;
constexpr int InvokeCommandFailed = 10025;
constexpr int CouldNotGetUIObject = 10030;
constexpr int MemoryLeakDetected = 10035;
constexpr int ErrorParsingMask = 10040;
} // namespace ShellMessages

// The text of a message id; empty for an unknown id.
QString LoadShellMessage(int id);

// Which live-record counter a TFolderItemData counts in.
enum class TFolderDataOwner { List, Tree };

// The record every tree node and list item carries about its shell item. It is owned by
// its node or item and counts itself in its module's live-record counter.
struct TFolderItemData {
    explicit TFolderItemData(TFolderDataOwner owner);
    ~TFolderItemData();
    TFolderItemData(const TFolderItemData&) = delete;
    TFolderItemData& operator=(const TFolderItemData&) = delete;

    bool Populated = false;
    TShellFolderRef ParentFolder;
    std::uint32_t Attributes = 0;
    std::uint32_t FileSizeHigh = 0;
    std::uint32_t FileSizeLow = 0;
    ItemIDList RelativeID;
    ItemIDList AbsoluteID;

    std::int64_t FileSize() const { return (std::int64_t(FileSizeHigh) << 32) | FileSizeLow; }
    void setFileSize(std::int64_t size) {
        FileSizeHigh = static_cast<std::uint32_t>(std::uint64_t(size) >> 32);
        FileSizeLow = static_cast<std::uint32_t>(size & 0xFFFFFFFF);
    }

private:
    TFolderDataOwner m_owner;
};

int ListLiveFolderDataCount();
int TreeLiveFolderDataCount();

class ELeaking : public std::runtime_error {
public:
    ELeaking();
};

// The end-of-module check of the list: raises ELeaking while list records are alive.
void CheckFolderDataLeaks();

bool HasAttribute(const TFolderItemData* data, std::uint32_t mask);

// The first rules of the tree's and the list's default orders: the same item 0, a missing
// item before any other, an item without data equal to any. Nothing when a has data to
// compare by.
template <typename Item> std::optional<int> CompareByPresence(const Item* a, const Item* b) {
    if (a == b)
        return 0;
    if (!a)
        return -1;
    if (!b)
        return 1;
    if (!a->Data)
        return 0;
    return std::nullopt;
}

// The namespace's order of two items of one folder by column: the signed low byte of a's
// parent folder's CompareIDs.
int CompareInFolder(const TFolderItemData& a, const TFolderItemData* b, int column);

// The in-place rename of a tree node or list item: allowed when the item has CANRENAME; on
// success the record takes the folder's new relative list and parentAbsolute followed by it.
// False when the item has no record, may not be renamed or the folder refused the name.
bool RenameFolderItem(TFolderItemData* data, const QString& newName, PCItemID parentAbsolute);

// The display name of a relative item, read from the folder's answer by its type.
QString GetDisplayName(const TShellFolder& folder, PCItemID relative, int kindIndex);

struct TIconIndexes {
    int normal = -1;
    int open = -1;
};
// Indexes into the shared icon list for an absolute item, -1 when it cannot be read.
TIconIndexes GetIconIndexes(PCItemID absolute);
// The same for a file-system item whose kind is already known.
TIconIndexes FileIconIndexes(const QString& path, bool isDirectory);
// The callers' rule: an open index of 0 beside another normal index means "no open icon".
TIconIndexes WithOpenFallback(TIconIndexes indexes);

enum class TImageListSize { Small, Large };
// Attaches the shared icon list at the system's small or large icon size.
TImageListRef SetupImageLists(TImageListSize size);

// The window shell calls are made for: the control itself once it has a native window,
// else its parent's, else its form's, else the application's active window; may be null.
QWidget* GetOwnerWindow(QWidget* control);

// When the two controls sort their items by themselves.
enum class TSortType { stNone, stData, stText, stBoth };

// Whether a press and move on an item starts a drag by itself (automatic) or only when the
// program asks (manual).
enum class TDragMode { dmManual, dmAutomatic };

// Right-button behaviour of the two controls.
enum class TPopupMenuMethod { pmmNone, pmmContext, pmmUser, pmmContextUser };

// Shows the modal "Could not get folder data." message.
void ReportMissingFolderData(QWidget* parent);

// The hourglass cursor for the life of the object.
class TWaitCursor {
public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// Links a tree and a list both ways.
void LinkSystemViews(QWidget* tree, QWidget* list);
// A view that comes onto a form with no partner links itself with the first view of the
// other kind among its siblings that has none either.
void LinkTreeWithSiblingList(QWidget* tree);
void LinkListWithSiblingTree(QWidget* list);

// What the tree and the list know of each other when linked.
class TCustomSystemListView {
public:
    virtual ~TCustomSystemListView() = default;
    virtual void LinkedControlChanged(QObject* sender, bool force) = 0;
    virtual QWidget* TreeView() const = 0;
    virtual void setTreeView(QWidget* tree) = 0;
    virtual TShellFolderRef BaseFolder() const = 0;
    virtual PCItemID CurrentID() const = 0;
};

class TCustomSystemTreeView {
public:
    virtual ~TCustomSystemTreeView() = default;
    virtual void LinkedControlChanged(QObject* sender, bool force) = 0;
    virtual QWidget* ListView() const = 0;
    virtual void setListView(QWidget* list) = 0;
    virtual TShellFolderRef DesktopFolder() const = 0;
    // The selected node's absolute list; nullptr without a selected node with data.
    virtual PCItemID SelectedAbsoluteID() const = 0;
};
