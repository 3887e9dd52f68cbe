#pragma once

#include "ItemIDList.h"
#include "ShellFolder.h"
#include "ShellTypes.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>

// What the folder tree and the file list share apart from any widget: the pane's message
// table, the record behind every node and item, and the rules that read and change it.

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
