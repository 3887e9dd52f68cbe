#include "Main.h"

#include "About.h"
#include "AppTexts.h"
#include "CheckCampaignDialog.h"
#include "ChromeAccessibility.h"
#include "DialogFont.h"
#include "DockedFormLayout.h"
#include "Docks.h"
#include "Dropper.h"
#include "ExplorerSelection.h"
#include "GoToWeb.h"
#include "HelpViewer.h"
#include "ItemPaths.h"
#include "MenuItems.h"
#include "OfficeMenus.h"
#include "Options.h"
#include "PaneKeyboard.h"
#include "Pictures.h"
#include "ProgramMimeTypes.h"
#include "ProgramPictures.h"
#include "RecentCampaignsMenu.h"
#include "RecentlyUsedFiles.h"
#include "ScenarioListView.h"
#include "ScreenPlacement.h"
#include "ScreenRule.h"
#include "ShellControls.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "TextCommands.h"
#include "ToolbarButtons.h"
#include "Toolbars.h"
#include "WebLinks.h"
#include "XdgFolders.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How long the status line tells why a typed character was refused, in milliseconds.
constexpr int RefusalNoteTime = 5000;

} // namespace

TForm1::TForm1(TDialogService& dialogs, const QStringList& arguments, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs),
      m_dispatcher(m_history, [this](const QString& text) { showError(text); }) {
    TCampaignWindow& window = *this;
    setFont(ProgramFont());
    setWindowIcon(QIcon(TransparentPicture(ProgramPictures::resourcePath(TPicture::WindowIcon))));
    resize(754, 530);

    Menus = CreateMainMenus(this);
    createLayout();
    m_listModel = new TScenarioListModel(m_campaign, m_codec, this);
    ScenarioListView->setModel(m_listModel);
    m_campaignCommands =
        std::make_unique<TCampaignCommands>(*m_listModel, m_codec, dialogs, window, m_history);
    m_scenarioCommands = std::make_unique<TScenarioCommands>(m_campaign, m_codec, dialogs, m_state,
                                                             this, m_dispatcher);
    createRecentCampaigns();
    wireCommands();
    wireKeys();
    wireHistory();
    wireLists();
    watchDisplay();

    m_helpFile = ProgramManual;
    m_campaignCommands->NewCampaign();
    try {
        m_campaignCommands->CommandLineOpen(arguments);
    } catch (const std::exception& error) {
        // The window is not up yet: the error is shown as soon as it is.
        const QString text = QString::fromStdString(error.what());
        QTimer::singleShot(0, this, [this, text] { showError(text); });
    }
    SystemTreeView->setFocus();
}

TForm1::~TForm1() {
    // Emptying the history as it goes would still report to the list and the items.
    m_history.disconnect();
    // The scenario list shows the campaign the window holds: it goes first, so that nothing
    // asks for rows of a campaign that is gone.
    delete ScenarioListView;
    delete m_listModel;
}

void TForm1::createLayout() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* body = new QWidget(this);
    TopDock = new TDock(body, TDockPosition::dpTop);
    BottomDock = new TDock(body, TDockPosition::dpBottom);
    LeftDock = new TDock(body, TDockPosition::dpLeft);
    RightDock = new TDock(body, TDockPosition::dpRight);
    ClientPanel = new QWidget(body);
    LayoutDockedForm(body, TopDock, BottomDock, LeftDock, RightDock, ClientPanel);
    StatusBar = new QStatusBar(this);
    StatusBar->setFixedHeight(19);
    m_checkNote = new QLabel(StatusBar);
    StatusBar->addWidget(m_checkNote);
    column->addWidget(body, 1);
    column->addWidget(StatusBar);

    auto* client = new QVBoxLayout(ClientPanel);
    client->setContentsMargins(0, 0, 0, 0);
    client->setSpacing(0);
    ToolbarSpacer = new QWidget(ClientPanel);
    ToolbarSpacer->setFixedHeight(3);
    EditorSplitter = new QSplitter(Qt::Vertical, ClientPanel);
    EditorSplitter->setHandleWidth(3);
    EditorSplitter->setChildrenCollapsible(false);
    client->addWidget(ToolbarSpacer);
    client->addWidget(EditorSplitter, 1);

    ExplorerPanel = new QWidget(EditorSplitter);
    auto* explorer = new QVBoxLayout(ExplorerPanel);
    explorer->setContentsMargins(0, 0, 0, 0);
    ExplorerSplitter = new QSplitter(Qt::Horizontal, ExplorerPanel);
    ExplorerSplitter->setHandleWidth(3);
    ExplorerSplitter->setChildrenCollapsible(false);
    explorer->addWidget(ExplorerSplitter);
    SystemTreeView = new TSystemTreeView(ExplorerSplitter);
    SystemListView = new TSystemListView(ExplorerSplitter);
    ExplorerSplitter->setSizes({209, 524});
    ExplorerSplitter->setStretchFactor(1, 1);

    ScenarioListView = new TScenarioListView(EditorSplitter);
    // A screen reader names the list it enters; the file list names both its views, as
    // either one takes the keyboard.
    SystemTreeView->setAccessibleName(tr("Folders"));
    SystemListView->setAccessibleName(tr("Files"));
    for (QAbstractItemView* view :
         SystemListView->findChildren<QAbstractItemView*>(Qt::FindDirectChildrenOnly))
        view->setAccessibleName(SystemListView->accessibleName());
    ScenarioListView->setAccessibleName(tr("Scenarios"));
    EditorSplitter->setSizes({261, 183});
    EditorSplitter->setStretchFactor(0, 0);
    EditorSplitter->setStretchFactor(1, 1);

    SystemTreeView->setListView(SystemListView);
    SystemTreeView->setPopupMenuMethod(TPopupMenuMethod::pmmNone);
    SystemTreeView->setShowHiddenDirs(false);
    SystemTreeView->setIndent(19);
    SystemTreeView->setReadOnly(true);
    SystemListView->setTreeView(SystemTreeView);
    SystemListView->setFileMask(QStringLiteral("*.scn;*.scx"));
    SystemListView->setShowFolders(false);
    SystemListView->setPopupMenuMethod(TPopupMenuMethod::pmmNone);
    SystemListView->setMultiSelect(true);
    SystemListView->setDragMode(TDragMode::dmAutomatic);
    SystemListView->setReadOnly(true);
    SystemListView->setToolTips(true);
    SystemListView->setViewStyle(TViewStyle::vsReport);
    SystemTreeView->setErrorReporter(&m_errorBox);

    Bars = CreateMainToolbars(TopDock, Menus);

    FileDropper = new TFileDropper(this);
    // Drags reach a list's viewport, not the list itself.
    FileDropper->setDropSite(ScenarioListView->viewport());
    FileDropper->setAllowDir(false);
    FileDropper->setSubFolders(false);
    FileDropper->setErrorReporter(&m_errorBox);
    // The dropper hands over one file at a time; the files of one drop are added together,
    // as one step of the history, once the drop is over.
    FileDropper->OnDrop = [this](TFileDropper*, const QByteArray& path) {
        if (m_droppedFiles.isEmpty())
            QTimer::singleShot(0, this, [this] {
                const QList<QByteArray> paths = std::exchange(m_droppedFiles, {});
                m_dispatcher.Run(TCommandId::Add,
                                 [&] { m_scenarioCommands->FileDropperDrop(paths); });
            });
        m_droppedFiles << path;
    };
    FileDropper->Loaded();

    QORH = new TGoToWeb(this);
    QORH->Url = AppTexts::QuorvaneSite;
    QORH->EMail = AppTexts::ContactAddress;
    MHNH = new TGoToWeb(this);
    MHNH->Url = AppTexts::MeltharnSite;
    MHNH->EMail = AppTexts::ContactAddress;
}

void TForm1::wireCommands() {
    TCommandTarget& target = *this;
    for (const TCommandRow& row : MainCommands())
        if (row.Handler)
            connect(Menus.Item(row.Id), &TMenuItem::OnClick, this,
                    [this, &target, id = row.Id, handler = row.Handler] {
                        m_dispatcher.Run(id, [&] { handler(target); });
                    });
}

void TForm1::wireKeys() {
    // F6 goes round the panes as they stand on screen, the toolbar last.
    new TPaneKeyboard(this, {SystemTreeView, SystemListView, ScenarioListView, Bars.Toolbar});
    for (const TCommandRow& row : MainCommands())
        for (const QKeySequence& keys :
             QKeySequence::listFromString(QString::fromLatin1(row.Keys))) {
            auto* shortcut = new QShortcut(keys, this);
            connect(shortcut, &QShortcut::activated, this, [item = Menus.Item(row.Id)] {
                if (item->isEnabled())
                    item->Click();
            });
        }
}

void TForm1::wireHistory() {
    connect(&m_history, &QUndoStack::indexChanged, this, [this] {
        m_changedRow = m_listModel->Sync();
        showCheckNote();
    });
    // The items name the step they would undo or redo ("&Undo Remove"), as the history's own
    // actions are named; those actions are only read, the items run the commands.
    const auto follow = [this](QAction* action, TCommandId id, auto stepName) {
        const auto show = [this, id, stepName] {
            const QString verb = CaptionOf(CommandRow(id));
            const QString step = (m_history.*stepName)();
            //: An Undo or Redo menu item: %1 is the item's caption, %2 the step it undoes or
            //: redoes ("&Undo Remove").
            Menus.Item(id)->setCaption(step.isEmpty() ? verb : tr("%1 %2").arg(verb, step));
            ApplyCommandState();
        };
        show();
        connect(action, &QAction::changed, this, show);
    };
    follow(m_history.createUndoAction(this), TCommandId::Undo, &QUndoStack::undoText);
    follow(m_history.createRedoAction(this), TCommandId::Redo, &QUndoStack::redoText);
}

void TForm1::wireLists() {
    SystemListView->OnChange = [this](TSystemListView* sender, TListItem* item) {
        ExplorerListChanged(m_state, item && sender->IsSelected(item));
        ApplyCommandState();
    };
    SystemListView->OnExit = [this](TSystemListView*) {
        ExplorerListExited(m_state);
        ApplyCommandState();
    };
    ScenarioListView->OnChange = [this](TScenarioListView*, int row, bool selected) {
        const bool reported = row >= 0 && selected && row < static_cast<int>(m_campaign.Count());
        std::optional<TScenarioVersion> version;
        if (reported)
            version =
                ReadScenarioVersion(*m_campaign.Entry(static_cast<std::size_t>(row)).Scenario);
        ScenarioListChanged(m_state, reported, version);
        ApplyCommandState();
    };
    ScenarioListView->OnEnter = [this](TScenarioListView* sender) {
        ScenarioListEntered(m_state, sender->FocusedRow().has_value());
        ApplyCommandState();
    };
    ScenarioListView->OnExit = [this](TScenarioListView*) {
        ScenarioListExited(m_state);
        ApplyCommandState();
    };
    ScenarioListView->OnDragOver = [this](TScenarioListView*, QObject* source, bool& accept) {
        accept = TSystemListView::FromDragSource(source) == SystemListView;
    };
    ScenarioListView->OnDragDrop = [this](TScenarioListView*, QObject* source) {
        if (TSystemListView::FromDragSource(source) == SystemListView)
            m_dispatcher.Run(TCommandId::Add, [this] { AddItemClick(); });
    };
    // Save All follows whether the list has rows, however they came or went.
    for (const auto rowsChanged :
         {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_listModel, rowsChanged, this, [this] { ApplyCommandState(); });
    connect(m_listModel, &QAbstractItemModel::modelReset, this, [this] { ApplyCommandState(); });
    ScenarioListView->setTextCodec(&m_codec);
    ScenarioListView->OnRename = [this](TScenarioListView*, int row, std::string name,
                                        std::optional<std::string> fileName) {
        m_dispatcher.Run(TCommandId::Rename, [&] {
            m_scenarioCommands->Rename(row, std::move(name), std::move(fileName));
        });
    };
    ScenarioListView->OnInputRefused = [this](TScenarioListView*, const QString& note) {
        StatusBar->showMessage(note, RefusalNoteTime);
    };
    ScenarioListView->OnMoveRow = [this](TScenarioListView*, int from, int to) {
        // The dragged row ends focused and selected in its new place, as after Move Up.
        if (m_dispatcher.Run(to < from ? TCommandId::MoveUp : TCommandId::MoveDown,
                             [&] { m_scenarioCommands->MoveEntry(from, to); }))
            ScenarioListView->setCurrentIndex(m_listModel->index(to, 0));
        ApplyCommandState();
    };
    ScenarioListView->OnKeyUp = [this](TScenarioListView*, int key, Qt::KeyboardModifiers) {
        if (const std::optional<TCommandId> command = ShortcutCommand(key))
            if (CommandEnabled(m_state, CommandRow(*command).Group))
                Menus.Item(*command)->Click();
    };
}

void TForm1::watchDisplay() {
    followScreen(QGuiApplication::primaryScreen());
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen* screen) {
        followScreen(screen);
        if (screen) {
            const QSize pixels = ScreenPixels(*screen);
            WMDisplayChange(pixels.width(), pixels.height());
        }
    });
}

void TForm1::followScreen(QScreen* screen) {
    disconnect(m_screenWatch);
    if (screen)
        m_screenWatch = connect(screen, &QScreen::geometryChanged, this, [this, screen] {
            const QSize pixels = ScreenPixels(*screen);
            WMDisplayChange(pixels.width(), pixels.height());
        });
}

void TForm1::WMDisplayChange(int width, int height) {
    if (!ScreenTooSmall(width, height) || m_displayRuleRunning)
        return;
    m_displayRuleRunning = true;
    const auto done = qScopeGuard([this] { m_displayRuleRunning = false; });
    m_dialogs.ShowMessage(
        {QString(), AppTexts::ScreenTooSmall(), TMessageIcon::Error, TMessageButtons::Ok, nullptr});
    // The program ends, but not before the user could save the campaign (Cancel keeps it
    // running), as Exit would end it.
    m_dispatcher.Run(TCommandId::Exit, [this] {
        if (m_campaignCommands->FormCloseQuery())
            QCoreApplication::exit(0);
    });
}

void TForm1::showError(const QString& text) {
    m_errorBox.show(text, this);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A failed save ends the question with an error and leaves the window open.
    event->ignore();
    m_dispatcher.Run(TCommandId::Exit, [&] {
        if (m_campaignCommands->FormCloseQuery())
            event->accept();
    });
}

void TForm1::createRecentCampaigns() {
    const QList<QAction*> fileItems = Menus.FileMenu->actions();
    // The list stands above Exit, and above the separator Exit has.
    QAction* exit = Menus.Item(TCommandId::Exit);
    const qsizetype place = fileItems.indexOf(exit);
    QAction* before = place > 0 && fileItems.at(place - 1)->isSeparator() ? fileItems.at(place - 1)
                                                                           : exit;
    m_recentCampaigns =
        new TRecentCampaignsMenu(Menus.FileMenu, before, StatusBar,
                                 RecentCampaignsFile(TXdgFolders::StateHomeFromEnvironment()));
    m_recentCampaigns->OnOpen = [this](const QByteArray& path) { openRecentCampaign(path); };
}

void TForm1::openRecentCampaign(const QByteArray& path) {
    bool opened = false;
    m_dispatcher.Run(TCommandId::Open,
                     [&] { opened = m_campaignCommands->OpenRecentCampaign(path); });
    if (!opened)
        m_recentCampaigns->Forget(path);
}

void TForm1::CampaignUsed(const QByteArray& path) {
    m_recentCampaigns->Remember(path);
    const QString fileName = QFile::decodeName(path);
    const std::optional<TProgramMimeType> type = ProgramMimeTypeOf(fileName);
    // A campaign saved under another extension is a campaign all the same.
    AddRecentlyUsedFile(RecentlyUsedFilesPath(TXdgFolders::FromEnvironment().DataHome),
                        {path, type ? type->name : QStringLiteral("application/x-qor-campaign"),
                         QDateTime::currentDateTimeUtc()});
}

void TForm1::RebuildExplorer() {
    SystemTreeView->Rebuild();
    SystemListView->Reload();
    // The reloaded list has nothing selected.
    ExplorerListChanged(m_state, false);
    ApplyCommandState();
}

std::optional<int> TForm1::FocusedScenario() const {
    return ScenarioListView->FocusedRow();
}

void TForm1::setVersion(TScenarioVersion version) {
    m_scenarioCommands->setVersion(FocusedScenario(), version);
    ApplyCommandState();
}

void TForm1::ChooseVersion(TScenarioVersion version) {
    m_scenarioCommands->ChooseVersion(version);
    ApplyCommandState();
}

// The chosen item is checked already, and its toolbar button follows it.
void TForm1::ViewStyleClick(TViewStyle style) {
    SystemListView->setViewStyle(style);
}

void TForm1::QORHItemClick() {
    OpenWebLink(*QORH);
}

void TForm1::MHNHItemClick() {
    OpenWebLink(*MHNH);
}

void TForm1::ToolbarItemClick() {
    Bars.Toolbar->setVisible(Menus.Item(TCommandId::Toolbar)->isChecked());
}

void TForm1::StatusBarItemClick() {
    StatusBar->setVisible(Menus.Item(TCommandId::StatusBar)->isChecked());
}

THelpViewer* TForm1::HelpViewer() const {
    return m_helpViewer;
}

void TForm1::ContentsItemClick() {
    helpViewer()->ShowContents(m_helpFile);
}

THelpViewer* TForm1::helpViewer() {
    // While a modal dialog is open every other window is blocked: help asked for from the
    // dialog belongs to it until it closes, and then comes back to the main window.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = this;
    if (!m_helpViewer)
        m_helpViewer = new THelpViewer(owner);
    else if (m_helpViewer->parentWidget() != owner)
        m_helpViewer->setParent(owner, m_helpViewer->windowFlags());
    if (auto* dialog = qobject_cast<QDialog*>(owner))
        connect(dialog, &QDialog::finished, this, &TForm1::adoptHelpViewer, Qt::UniqueConnection);
    return m_helpViewer;
}

void TForm1::adoptHelpViewer() {
    if (!m_helpViewer || m_helpViewer->parentWidget() == this)
        return;
    const bool shown = m_helpViewer->isVisible();
    const QRect place = m_helpViewer->geometry();
    m_helpViewer->setParent(this, m_helpViewer->windowFlags());
    m_helpViewer->setGeometry(place);
    if (shown)
        m_helpViewer->show();
}

void TForm1::OptionsItemClick() {
    TOptionsForm form(this);
    form.setErrorReporter(&m_errorBox);
    connect(&form, &TOptionsForm::HelpRequested, this,
            [this] { helpViewer()->ShowContents(m_helpFile, QStringLiteral("options")); });
    std::unique_ptr<TCampaignOptions> options = RunOptionsDialog(form, m_campaign, m_codec);
    // Accepting the title as it was is no edit to undo.
    if (options && options->Title != m_campaign.CampaignOptions().Title)
        m_dispatcher.Push(std::make_unique<TSetOptionsCommand>(m_campaign, std::move(options)));
}

void TForm1::AboutItemClick() {
    TAboutForm form(this);
    form.setErrorReporter(&m_errorBox);
    form.exec();
}

void TForm1::AddItemClick() {
    TExplorerListState list;
    if (TListItem* focused = SystemListView->ItemFocused())
        list.Focused = SystemListView->IndexOf(focused);
    for (TListItem* item = SystemListView->GetNextSelected(nullptr); item;
         item = SystemListView->GetNextSelected(item))
        list.Selected.push_back(SystemListView->IndexOf(item));
    // The paths' exact bytes: a file name that is not valid UTF-8 is still found.
    QList<QByteArray> paths;
    for (const int index : ItemsToTake(list))
        paths << NativeItemPath(SystemListView->Item(index)->Data.get());
    m_scenarioCommands->AddFiles(paths);
}

void TForm1::RemoveItemClick() {
    const auto focused = ScenarioListView->FocusedRow();
    if (!focused)
        return;
    // While the row goes, the list briefly selects its neighbour and reports it; removing
    // does not choose a version, so the display stays as it was.
    const std::string shownVersion = m_state.VersionText;
    m_scenarioCommands->RemoveItemClick(focused);
    // The removed row took the selection and the focus with it, as the list has always done:
    // no other row becomes the target of the next command by itself.
    ScenarioListView->selectionModel()->clear();
    m_state.VersionText = shownVersion;
    ApplyCommandState();
}

void TForm1::UndoItemClick() {
    showHistoryStep([this] { m_history.undo(); });
}

void TForm1::RedoItemClick() {
    showHistoryStep([this] { m_history.redo(); });
}

void TForm1::showHistoryStep(const std::function<void()>& step) {
    const std::string shownVersion = m_state.VersionText;
    m_changedRow.reset();
    step();
    if (!m_changedRow) {
        ScenarioListView->selectionModel()->clear();
        m_state.VersionText = shownVersion;
    } else {
        const QModelIndex changed = m_listModel->index(*m_changedRow, 0);
        ScenarioListView->scrollTo(changed);
        if (focusWidget() == ScenarioListView)
            ScenarioListView->setCurrentIndex(changed);
    }
    ApplyCommandState();
}

void TForm1::MoveItemClick(int step) {
    // The moved row keeps the focus and the selection: the list follows it to its new place.
    m_scenarioCommands->MoveItemClick(FocusedScenario(), step);
    if (const auto focused = FocusedScenario())
        ScenarioListView->scrollTo(m_listModel->index(*focused, 0));
    ApplyCommandState();
}

void TForm1::CampaignChecked(const TCampaignReport& report) {
    m_check = report;
    m_checkedAt = m_history.index();
    showCheckNote();
}

TCampaignReport TForm1::currentCheck() const {
    return m_history.index() == m_checkedAt ? m_check : CheckCampaign(m_campaign);
}

void TForm1::showCheckNote() {
    // Nothing pops up: the note waits in the status line until the campaign is checked again.
    const QString note = CheckNote(currentCheck().Findings.size());
    if (note == m_checkNote->text())
        return;
    m_checkNote->setText(note);
    // The status bar reads as the text it shows: a screen reader hears the new note, as it
    // hears a new message.
    AnnounceNameChange(StatusBar);
}

void TForm1::CheckItemClick() {
    TCheckCampaignForm form(currentCheck(), m_campaign, m_codec, this);
    if (form.exec() != QDialog::Accepted || !form.ChosenRow())
        return;
    ScenarioListView->setFocus(Qt::OtherFocusReason);
    ScenarioListView->setCurrentIndex(m_listModel->index(*form.ChosenRow(), 0));
    ApplyCommandState();
}

void TForm1::RenameItemClick() {
    ScenarioListView->StartRename();
}

void TForm1::ApplyCommandState() {
    m_state.CanUndo = m_history.canUndo();
    m_state.CanRedo = m_history.canRedo();
    ScenarioRowPlace(m_state, FocusedScenario(), m_listModel->rowCount());
    ScenarioListFilled(m_state, m_listModel->rowCount());
    for (const TCommandRow& row : MainCommands())
        Menus.Item(row.Id)->setEnabled(CommandEnabled(m_state, row.Group));
    Bars.Button(TCommandId::ApplyVersion)->setCaption(QString::fromStdString(m_state.VersionText));
}
