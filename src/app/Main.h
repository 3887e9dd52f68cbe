#pragma once

#include "CampaignCommands.h"
#include "CommandDispatcher.h"
#include "CommandEnabling.h"
#include "EditorCodePage.h"
#include "ErrorBox.h"
#include "MainCommands.h"
#include "MainMenus.h"
#include "MainToolbars.h"
#include "ScenarioCommands.h"
#include "ScenarioListModel.h"

#include <QPointer>
#include <QUndoStack>
#include <QWidget>
#include <memory>

class QLabel;
class QScreen;
class QSplitter;
class QStatusBar;
class TDock;
class TFileDropper;
class TGoToWeb;
class TRecentCampaignsMenu;
class THelpViewer;
class TScenarioListView;
class TSystemListView;
class TSystemTreeView;

// The main window: the explorer above the campaign's scenario list, under dockable toolbars
// and a status bar. It owns the one open campaign and its history of edits, and runs every
// command of the command table (MainCommands) through one dispatcher.
class TForm1 : public QWidget, private TCampaignWindow, private TCommandTarget {
    Q_OBJECT
public:
    // Creates the window as FormCreate does: empty campaign, then the campaign named by the
    // first command-line argument, if any.
    TForm1(TDialogService& dialogs, const QStringList& arguments, QWidget* parent = nullptr);
    ~TForm1() override;

    // The components, by the names of the window's layout.
    QStatusBar* StatusBar;
    TDock* TopDock;
    TDock* BottomDock;
    TDock* LeftDock;
    TDock* RightDock;
    QWidget* ClientPanel;
    QWidget* ToolbarSpacer;
    QWidget* ExplorerPanel;
    TSystemTreeView* SystemTreeView;
    QSplitter* ExplorerSplitter;
    TSystemListView* SystemListView;
    QSplitter* EditorSplitter;
    TScenarioListView* ScenarioListView;
    TFileDropper* FileDropper;
    TGoToWeb* QORH;
    TGoToWeb* MHNH;
    TMainMenus Menus;
    TMainToolbars Bars;

    TCampaign& Campaign() { return m_campaign; }
    const TCommandState& CommandState() const { return m_state; }
    TCampaignCommands& CampaignCommands() override { return *m_campaignCommands; }
    TScenarioCommands& ScenarioCommands() override { return *m_scenarioCommands; }
    const QString& HelpFile() const { return m_helpFile; }
    const QUndoStack& History() const { return m_history; }
    TCommandDispatcher& Dispatcher() { return m_dispatcher; }
    THelpViewer* HelpViewer() const;

    // The display changed to width x height (the screen-size rule).
    void WMDisplayChange(int width, int height);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // TCampaignWindow
    QWidget* Owner() override { return this; }
    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    void RebuildExplorer() override;
    void CampaignChecked(const TCampaignReport& report) override;
    void CampaignUsed(const QByteArray& path) override;

    void createLayout();
    void wireCommands();
    void wireKeys();
    void wireHistory();
    void wireLists();
    void watchDisplay();
    void followScreen(QScreen* screen);
    void showError(const QString& text);
    void createRecentCampaigns();
    // Opens a campaign of the File menu's recent list; one that does not open leaves the list.
    void openRecentCampaign(const QByteArray& path);

    // TCommandTarget
    std::optional<int> FocusedScenario() const override;
    void ExitItemClick() override { close(); }
    void UndoItemClick() override;
    void RedoItemClick() override;
    void MoveItemClick(int step) override;
    void RenameItemClick() override;
    void CheckItemClick() override;
    void AddItemClick() override;
    void RemoveItemClick() override;
    void setVersion(TScenarioVersion version) override;
    void ChooseVersion(TScenarioVersion version) override;
    void ViewStyleClick(TViewStyle style) override;
    void ToolbarItemClick() override;
    void StatusBarItemClick() override;
    void OptionsItemClick() override;
    void ContentsItemClick() override;
    void QORHItemClick() override;
    void MHNHItemClick() override;
    void AboutItemClick() override;

    THelpViewer* helpViewer();
    void adoptHelpViewer();
    void ApplyCommandState();
    // After a step through the history: the row it changed is shown, and focused when the
    // list has the focus; a step that removed rows leaves none selected, as Remove does.
    void showHistoryStep(const std::function<void()>& step);
    // The check of the campaign as it is now: the one made when it was opened or saved while
    // the history stands where it stood then, else the check on the model.
    TCampaignReport currentCheck() const;
    void showCheckNote();

    TTextCodec m_codec{EditorCodePage()};
    TCampaign m_campaign;
    TDialogService& m_dialogs;
    TErrorBox m_errorBox{m_dialogs};
    // The edits of the campaign, for Undo and Redo; after m_campaign, so that it goes first.
    QUndoStack m_history;
    TCommandDispatcher m_dispatcher;
    // The row the last change of the campaign's list showed, if any (TScenarioListModel::Sync).
    std::optional<int> m_changedRow;
    // The files of the drop being delivered, added together once it is over.
    QList<QByteArray> m_droppedFiles;
    TCampaignReport m_check;
    int m_checkedAt = 0;
    QLabel* m_checkNote = nullptr;
    TCommandState m_state;
    TScenarioListModel* m_listModel;
    std::unique_ptr<TCampaignCommands> m_campaignCommands;
    std::unique_ptr<TScenarioCommands> m_scenarioCommands;
    TRecentCampaignsMenu* m_recentCampaigns = nullptr;
    QPointer<THelpViewer> m_helpViewer;
    QString m_helpFile;
    bool m_displayRuleRunning = false;
    QMetaObject::Connection m_screenWatch;
};
