#pragma once

#include "CampaignCheck.h"
#include "DialogService.h"
#include "ScenarioListModel.h"

#include <QString>
#include <QStringList>

class QUndoStack;
class QWidget;

// What the campaign commands need of the main window besides the scenario list.
class TCampaignWindow {
public:
    virtual ~TCampaignWindow() = default;
    virtual QWidget* Owner() = 0;
    virtual void setCaption(const QString& caption) = 0;
    // After the campaign was emptied or loaded: the folder tree is rebuilt, then the file
    // list reloaded.
    virtual void RebuildExplorer() = 0;
    // What the check found in the campaign file just opened or saved (nothing for a new one).
    virtual void CampaignChecked(const TCampaignReport& report) = 0;
    // A campaign file was opened or saved: its absolute path, as the file system's bytes.
    virtual void CampaignUsed(const QByteArray& path) = 0;
};

// New, Open, Save, Save As, the close question and the command-line open. The remembered file
// name is the Open dialog's file name, as the window has always kept it. A new or opened
// campaign starts a new history; saving keeps it, so that Undo still works after a save.
class TCampaignCommands {
public:
    TCampaignCommands(TScenarioListModel& list, const TTextCodec& codec, TDialogService& dialogs,
                      TCampaignWindow& window, QUndoStack& history);

    void NewCampaign();
    void NewItemClick();
    void OpenItemClick();
    // Opens a campaign of the recent list as Open does once its dialog was answered; false
    // when the file was rejected (an unreadable one throws).
    bool OpenRecentCampaign(const QByteArray& path);
    // Both return whether the campaign was written.
    bool SaveItemClick();
    bool SaveAsItemClick();
    // Whether the window may close.
    bool FormCloseQuery();
    void CommandLineOpen(const QStringList& arguments);

    const QString& RememberedFileName() const { return m_openDialog.FileName; }

private:
    // Loads path; the open campaign, caption and remembered name change only on success.
    bool load(const QByteArray& path);
    void save(const QString& path);
    // The check of the file just loaded from path.
    TCampaignReport checkedFile(const QByteArray& path) const;
    // Asks the save question; true when the caller may go on discarding the campaign.
    bool savedOrDiscarded();

    TScenarioListModel& m_list;
    const TTextCodec& m_codec;
    TDialogService& m_dialogs;
    TCampaignWindow& m_window;
    QUndoStack& m_history;
    TFileDialog m_openDialog;
    TFileDialog m_saveDialog;
};
