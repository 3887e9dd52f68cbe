#include "Main.h"

#include "About.h"
#include "AppTexts.h"
#include "DialogFont.h"
#include "DockedFormLayout.h"
#include "Docks.h"
#include "Dropper.h"
#include "ExplorerSelection.h"
#include "GoToWeb.h"
#include "HelpViewer.h"
#include "ItemPaths.h"
#include "MenuItems.h"
#include "Options.h"
#include "Pictures.h"
#include "ScenarioListView.h"
#include "ScreenPlacement.h"
#include "ScreenRule.h"
#include "ShellControls.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "ToolbarButtons.h"
#include "Toolbars.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

void onClick(TMenuItem* item, QObject* context, const std::function<void()>& handler) {
    QObject::connect(item, &TMenuItem::OnClick, context, [handler](TMenuItem*) { handler(); });
}

void onClick(TToolbarButton* button, QObject* context, const std::function<void()>& handler) {
    QObject::connect(button, &TToolbarButton::OnClick, context,
                     [handler](TToolbarButton*) { handler(); });
}

} // namespace

TForm1::TForm1(TDialogService& dialogs, const QStringList& arguments, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs) {
    TCampaignWindow& window = *this;
    setFont(ProgramFont());
    setWindowIcon(QIcon(TransparentPicture(QStringLiteral(":/pictures/window-icon.png"))));
    resize(754, 530);

    Menus = CreateMainMenus(this);
    createLayout();
    m_listModel = new TScenarioListModel(m_campaign, m_codec, this);
    ScenarioListView->setModel(m_listModel);
    m_campaignCommands =
        std::make_unique<TCampaignCommands>(*m_listModel, m_codec, dialogs, window);
    m_scenarioCommands =
        std::make_unique<TScenarioCommands>(*m_listModel, m_codec, dialogs, m_state, this);
    wireMenus();
    wireToolbar();
    wireLists();
    watchDisplay();

    m_helpFile = HelpFileFor(QCoreApplication::applicationFilePath());
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
    FileDropper->OnDrop = [this](TFileDropper*, const QByteArray& path) {
        m_scenarioCommands->FileDropperDrop(path);
    };
    FileDropper->Loaded();

    QORH = new TGoToWeb(this);
    QORH->Url = AppTexts::QuorvaneSite;
    QORH->EMail = AppTexts::ContactAddress;
    MHNH = new TGoToWeb(this);
    MHNH->Url = AppTexts::MeltharnSite;
    MHNH->EMail = AppTexts::ContactAddress;
}

void TForm1::wireMenus() {
    TMainMenus& m = Menus;
    onClick(m.NewItem, this, [this] { m_campaignCommands->NewItemClick(); });
    onClick(m.OpenItem, this, [this] { m_campaignCommands->OpenItemClick(); });
    onClick(m.SaveItem, this, [this] { m_campaignCommands->SaveItemClick(); });
    onClick(m.SaveAsItem, this, [this] { m_campaignCommands->SaveAsItemClick(); });
    onClick(m.ExitItem, this, [this] { close(); });

    const auto focused = [this] { return ScenarioListView->FocusedRow(); };
    onClick(m.AddItem, this, [this] { AddItemClick(); });
    onClick(m.RemoveItem, this, [this] { RemoveItemClick(); });
    onClick(m.ReplaceItem, this,
            [this, focused] { m_scenarioCommands->ReplaceItemClick(focused()); });
    onClick(m.InsertItem, this,
            [this, focused] { m_scenarioCommands->InsertItemClick(focused()); });
    onClick(m.SaveScnItem, this,
            [this, focused] { m_scenarioCommands->SaveScnItemClick(focused()); });
    const auto setVersion = [this, focused](TScenarioVersion version) {
        return [this, focused, version] {
            m_scenarioCommands->SetVersion(focused(), version);
            ApplyCommandState();
        };
    };
    onClick(m.VerQorTItem, this, setVersion(TScenarioVersion::Trial110));
    onClick(m.VerQorItem, this, setVersion(TScenarioVersion::Game111));
    onClick(m.VerMhnItem, this, setVersion(TScenarioVersion::Expansion118));
    const auto chooseVersion = [this](TScenarioVersion version) {
        return [this, version] {
            m_scenarioCommands->ChooseVersion(version);
            ApplyCommandState();
        };
    };
    onClick(m.QorTVerItem, this, chooseVersion(TScenarioVersion::Trial110));
    onClick(m.QorVerItem, this, chooseVersion(TScenarioVersion::Game111));
    onClick(m.MhnVerItem, this, chooseVersion(TScenarioVersion::Expansion118));

    onClick(m.ToolbarItem, this, [this] { ToolbarItemClick(); });
    onClick(m.StatusBarItem, this, [this] { StatusBarItemClick(); });
    onClick(m.LargeIconsItem, this, [this] {
        ViewStyleItemClick(Menus.LargeIconsItem, Bars.LargeIconsBtn, TViewStyle::vsIcon);
    });
    onClick(m.SmallIconsItem, this, [this] {
        ViewStyleItemClick(Menus.SmallIconsItem, Bars.SmallIconsBtn, TViewStyle::vsSmallIcon);
    });
    onClick(m.ListItem, this,
            [this] { ViewStyleItemClick(Menus.ListItem, Bars.ListBtn, TViewStyle::vsList); });
    onClick(m.DetailsItem, this, [this] {
        ViewStyleItemClick(Menus.DetailsItem, Bars.DetailsBtn, TViewStyle::vsReport);
    });
    onClick(m.OptionsItem, this, [this] { OptionsItemClick(); });

    onClick(m.ContentsItem, this, [this] { ContentsItemClick(); });
    onClick(m.QORHItem, this, [this] { QORH->GoToUrl(); });
    onClick(m.MHNHItem, this, [this] { MHNH->GoToUrl(); });
    onClick(m.AboutItem, this, [this] { AboutItemClick(); });
}

void TForm1::wireToolbar() {
    TMainToolbars& t = Bars;
    const auto focused = [this] { return ScenarioListView->FocusedRow(); };
    connect(t.NewBtn, &QPushButton::clicked, this, [this] { m_campaignCommands->NewItemClick(); });
    onClick(t.OpenBtn, this, [this] { m_campaignCommands->OpenItemClick(); });
    onClick(t.SaveBtn, this, [this] { m_campaignCommands->SaveItemClick(); });
    onClick(t.AddBtn, this, [this] { AddItemClick(); });
    onClick(t.RemoveBtn, this, [this] { RemoveItemClick(); });
    onClick(t.ReplaceBtn, this,
            [this, focused] { m_scenarioCommands->ReplaceItemClick(focused()); });
    onClick(t.InsertBtn, this, [this, focused] { m_scenarioCommands->InsertItemClick(focused()); });
    onClick(t.SaveScnBtn, this,
            [this, focused] { m_scenarioCommands->SaveScnItemClick(focused()); });
    onClick(t.VersionBtn, this,
            [this, focused] { m_scenarioCommands->VersionBtnClick(focused()); });
    onClick(t.OptionsBtn, this, [this] { OptionsItemClick(); });
    onClick(t.LargeIconsBtn, this,
            [this] { ViewStyleBtnClick(Menus.LargeIconsItem, TViewStyle::vsIcon); });
    onClick(t.SmallIconsBtn, this,
            [this] { ViewStyleBtnClick(Menus.SmallIconsItem, TViewStyle::vsSmallIcon); });
    onClick(t.ListBtn, this, [this] { ViewStyleBtnClick(Menus.ListItem, TViewStyle::vsList); });
    onClick(t.DetailsBtn, this,
            [this] { ViewStyleBtnClick(Menus.DetailsItem, TViewStyle::vsReport); });
    // The help book opens the manual, as its picture promises.
    onClick(t.HelpBtn, this, [this] { ContentsItemClick(); });
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
            AddItemClick();
    };
    ScenarioListView->OnKeyUp = [this](TScenarioListView* sender, int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Delete && m_state.EntryEnabled && sender == ScenarioListView)
            RemoveItemClick();
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
        {QString(), AppTexts::ScreenTooSmall, TMessageIcon::Error, TMessageButtons::Ok, nullptr});
    // The program ends, but not before the user could save the campaign (Cancel keeps it
    // running). The notice does not come through a command: a failed save is shown here.
    try {
        if (m_campaignCommands->FormCloseQuery())
            QCoreApplication::exit(0);
    } catch (const std::exception& error) {
        showError(QString::fromStdString(error.what()));
    }
}

void TForm1::showError(const QString& text) {
    m_errorBox.show(text, this);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A failed save ends the question with an error and leaves the window open.
    event->ignore();
    if (m_campaignCommands->FormCloseQuery())
        event->accept();
}

void TForm1::RebuildExplorer() {
    SystemTreeView->Rebuild();
    SystemListView->Reload();
    // The reloaded list has nothing selected.
    ExplorerListChanged(m_state, false);
    ApplyCommandState();
}

void TForm1::ViewStyleItemClick(TMenuItem* item, TToolbarButton* button, TViewStyle style) {
    item->SetChecked(true);
    button->setDown(true);
    SystemListView->setViewStyle(style);
}

void TForm1::ViewStyleBtnClick(TMenuItem* item, TViewStyle style) {
    item->SetChecked(true);
    SystemListView->setViewStyle(style);
}

void TForm1::ToolbarItemClick() {
    Menus.ToolbarItem->SetChecked(!Menus.ToolbarItem->Checked());
    Bars.Toolbar->setVisible(Menus.ToolbarItem->Checked());
}

void TForm1::StatusBarItemClick() {
    Menus.StatusBarItem->SetChecked(!Menus.StatusBarItem->Checked());
    StatusBar->setVisible(Menus.StatusBarItem->Checked());
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
    connect(&form, &TOptionsForm::HelpRequested, this,
            [this] { helpViewer()->ShowContents(m_helpFile, QStringLiteral("options")); });
    RunOptionsDialog(form, m_campaign, m_codec);
}

void TForm1::AboutItemClick() {
    TAboutForm form(this);
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

void TForm1::ApplyCommandState() {
    Menus.AddItem->setEnabled(m_state.AddEnabled);
    Bars.AddBtn->setEnabled(m_state.AddEnabled);
    for (TMenuItem* item : Menus.EntryItems())
        item->setEnabled(m_state.EntryEnabled);
    for (TToolbarButton* button : Bars.EntryButtons())
        button->setEnabled(m_state.EntryEnabled);
    Bars.VersionBtn->setCaption(QString::fromStdString(m_state.VersionText));
}
