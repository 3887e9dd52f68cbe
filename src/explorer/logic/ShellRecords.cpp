#include "ShellRecords.h"

#include "DisplayNames.h"

#include <QByteArray>
#include <QCoreApplication>
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
