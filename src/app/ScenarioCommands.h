#pragma once

#include "CommandEnabling.h"
#include "DialogService.h"
#include "ScenarioListModel.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The commands that edit the campaign's list of scenarios. The window tells them which row
// has the focus; each command changes the campaign once and reports it to the list once.
class TScenarioCommands {
public:
    TScenarioCommands(TScenarioListModel& list, const TTextCodec& codec, TDialogService& dialogs,
                      TCommandState& state, QWidget* owner);

    // Add and the drag from the explorer list: the given paths become the last entries, in
    // order. A file that cannot be read ends the command; the ones before it stay added.
    // The paths are the file system's exact bytes (names need not be valid UTF-8).
    void AddFiles(const QList<QByteArray>& paths);
    void AddFiles(const QStringList& paths);
    // A file dropped from another program: scenario files only, by extension.
    void FileDropperDrop(const QByteArray& path);
    void FileDropperDrop(const QString& path);

    void RemoveItemClick(std::optional<int> focused);
    void ReplaceItemClick(std::optional<int> focused);
    void InsertItemClick(std::optional<int> focused);
    void SaveScnItemClick(std::optional<int> focused);

    // The three Set to Version items: show the version and stamp it.
    void setVersion(std::optional<int> focused, TScenarioVersion version);
    // The version button's main part: stamp the version it shows.
    void VersionBtnClick(std::optional<int> focused);
    // The version button's drop-down: only the shown version changes.
    void ChooseVersion(TScenarioVersion version);

private:
    void stamp(int row, TScenarioVersion version);

    TScenarioListModel& m_list;
    const TTextCodec& m_codec;
    TDialogService& m_dialogs;
    TCommandState& m_state;
    QWidget* m_owner;
    TFileDialog m_openScenarioDialog;
    TFileDialog m_extractDialog;
};
