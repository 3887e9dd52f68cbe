#pragma once

#include "Campaign.h"
#include "CommandEnabling.h"
#include "DialogService.h"
#include "TextCodec.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class TCommandDispatcher;

// The commands that edit the campaign's list of scenarios. The window tells them which row
// has the focus; each command makes one edit and pushes it through the dispatcher, which does
// it and keeps it for Undo. Whatever fails (a file that cannot be read, a stamp refused) fails
// before the edit is pushed: the campaign and the history stay as they were.
class TScenarioCommands {
public:
    TScenarioCommands(TCampaign& campaign, const TTextCodec& codec, TDialogService& dialogs,
                      TCommandState& state, QWidget* owner, TCommandDispatcher& dispatcher);

    // Add and the drag from the explorer list: the given paths become the last entries, in
    // order, as one edit. A file that cannot be read ends the command with nothing added.
    // The paths are the file system's exact bytes (names need not be valid UTF-8).
    void AddFiles(const QList<QByteArray>& paths);
    void AddFiles(const QStringList& paths);
    // Files dropped from another program, all of one drop: the scenario files among them, by
    // extension, are added as one edit.
    void FileDropperDrop(const QList<QByteArray>& paths);

    void RemoveItemClick(std::optional<int> focused);
    void ReplaceItemClick(std::optional<int> focused);
    void InsertItemClick(std::optional<int> focused);
    void SaveScnItemClick(std::optional<int> focused);
    // Every scenario into a folder the user chooses, named as the command line's extract
    // names them; one question when files of those names are there already. No edit.
    void SaveAllItemClick();
    // Move Up and Move Down (step -1 or +1) and a dragged row: the entry ends at index `to`.
    void MoveItemClick(std::optional<int> focused, int step);
    void MoveEntry(int from, int to);
    // The texts typed into the list, as raw bytes of the code page that fit their fields.
    void Rename(int row, std::string rawName, std::optional<std::string> rawFileName);

    // The three Set to Version items: show the version and stamp it.
    void setVersion(std::optional<int> focused, TScenarioVersion version);
    // The version button's main part: stamp the version it shows.
    void VersionBtnClick(std::optional<int> focused);
    // The version button's drop-down: only the shown version changes.
    void ChooseVersion(TScenarioVersion version);

private:
    void stamp(int row, TScenarioVersion version);

    TCampaign& m_campaign;
    const TTextCodec& m_codec;
    TDialogService& m_dialogs;
    TCommandState& m_state;
    QWidget* m_owner;
    TCommandDispatcher& m_dispatcher;
    TFileDialog m_openScenarioDialog;
    TFileDialog m_extractDialog;
    TFolderDialog m_saveAllDialog;
};
