#pragma once

#include "FileMask.h"
#include "NodeWatch.h"
#include "SharedViewInput.h"
#include "ShellControls.h"
#include "TreeNodes.h"
#include "TreePopulation.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <optional>

class TErrorReporter;

enum class TRootFolder {
    rfDesktop,
    rfRecycleBin,
    rfControlPanel,
    rfDesktopDir,
    rfDrives,
    rfFavoriteURLs,
    rfFonts,
    rfNetHood,
    rfNetHoodDir,
    rfDocumentDir,
    rfPrinters,
    rfPrograms,
    rfRecentDir,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates,
    rfFileSystem,
    rfCustom
};

// The special folder each root asks the namespace for (-1 for rfCustom).
int RootFolderCSIDL(TRootFolder root);

// The folder tree of the explorer pane: the shell namespace below a root, each level read
// when first expanded, kept current by a change watcher, driving the linked file list. Its
// input controller decides what the mouse and the keys do to the nodes.
class TSystemTreeView : public QTreeWidget,
                        public TCustomSystemTreeView,
                        private TViewInputTarget {
    Q_OBJECT
public:
    using TNodeNotify = std::function<void(TSystemTreeView* sender, TTreeNode* node)>;

    explicit TSystemTreeView(QWidget* parent = nullptr);
    ~TSystemTreeView() override;

    // Properties.
    QString Version() const { return QStringLiteral("TSystemTreeView v1.0"); }
    QWidget* ListView() const override { return m_listView; }
    void setListView(QWidget* list) override { m_listView = list; }
    quint16 ReadDelay() const { return m_readDelay; }
    void setReadDelay(quint16 milliseconds) { m_readDelay = milliseconds; }
    TPopupMenuMethod PopupMenuMethod() const { return m_input.Settings.PopupMenuMethod; }
    void setPopupMenuMethod(TPopupMenuMethod method) { m_input.Settings.PopupMenuMethod = method; }
    // Selection and Directory are one property. Its setter is setDirectory: setSelection is
    // the item view's own (selecting the items in a rectangle).
    QString Selection() const;
    QString Directory() const { return Selection(); }
    void setDirectory(const QString& path);
    TRootFolder RootFolder() const { return m_rootFolder; }
    void setRootFolder(TRootFolder root);
    QString CustomDir() const { return m_customDir; }
    void setCustomDir(const QString& directory);
    QString CustomDirCaption() const { return m_customDirCaption; }
    void setCustomDirCaption(const QString& caption);
    bool ShowFiles() const { return m_showFiles; }
    void setShowFiles(bool show);
    bool ShowHiddenDirs() const { return m_showHiddenDirs; }
    void setShowHiddenDirs(bool show) { m_showHiddenDirs = show; }
    bool ExpandRoot() const { return m_expandRoot; }
    void setExpandRoot(bool expand) { m_expandRoot = expand; }
    bool Checkboxes() const { return m_checkboxes; }
    void setCheckboxes(bool on);
    bool Autoscroll() const { return m_input.Settings.Autoscroll; }
    void setAutoscroll(bool on) { m_input.Settings.Autoscroll = on; }
    QString FileMask() const { return m_fileMask; }
    void setFileMask(const QString& mask);
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    TSortType SortType() const { return m_sortType; }
    void setSortType(TSortType type) { m_sortType = type; }
    QMenu* PopupMenu() const { return m_input.Settings.PopupMenu; }
    void setPopupMenu(QMenu* menu) { m_input.Settings.PopupMenu = menu; }
    bool ShowRoot() const { return rootIsDecorated(); }
    void setShowRoot(bool show) { setRootIsDecorated(show); }
    bool ShowButtons() const { return m_showButtons; }
    void setShowButtons(bool show);
    bool ShowLines() const { return m_showLines; }
    void setShowLines(bool show);
    int Indent() const { return indentation(); }
    void setIndent(int indent) { setIndentation(indent); }
    TDragMode DragMode() const { return m_dragMode; }
    void setDragMode(TDragMode mode);
    bool RightClickSelect() const { return m_input.Settings.RightClickSelect; }
    void setRightClickSelect(bool select) { m_input.Settings.RightClickSelect = select; }
    // The palette's background unless a colour of its own was set.
    QColor Color() const;
    void setColor(const QColor& color);
    // Where an error of expanding a folder is shown; the owner keeps it alive.
    void setErrorReporter(TErrorReporter* reporter) { m_errorReporter = reporter; }

    // Events.
    TNodeNotify OnPopulated;
    TNodeNotify OnChange;

    // Operations.
    void Rebuild();
    QString GetNodePath(const TTreeNode* node) const;
    void NotifyLinkedControls(bool force);
    void LinkedControlChanged(QObject* sender, bool force) override;
    void SelectFolderByID(const TShellFolderRef& folder, PCItemID absolute);
    TTreeNode* FindNodeByID(PCItemID list);
    void RefreshNode(TTreeNode* node);
    // Expands one level, reading the node's children first when needed.
    void ExpandNode(TTreeNode* node);
    // Drops and re-creates the control's contents as a window re-creation does, keeping the
    // selected folder.
    void RecreateWnd();

    TShellFolderRef DesktopFolder() const override { return m_desktopFolder; }
    PCItemID SelectedAbsoluteID() const override;

    TTreeNode* Selected() const { return static_cast<TTreeNode*>(currentItem()); }
    void setSelected(TTreeNode* node);
    TTreeNode* RootNode() const { return static_cast<TTreeNode*>(topLevelItem(0)); }
    TTreeNode* WatchedNode() const;
    bool Watching() const { return m_watch.watching(); }
    // The watcher has set up its notice: changes from now on are seen.
    bool WatcherReady() const { return m_watch.ready(); }
    bool ImmediateChange() const { return m_immediateChange; }
    bool ChangeTimerRunning() const { return m_changeTimer.isActive(); }

    // The item view's own, changed for sideways scrolling (SystemTreeView.cpp says how).
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    int sizeHintForColumn(int column) const override;

protected:
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TTreeFilter treeFilter() const;
    TTreeNode* AddFolderNode(const TShellFolderRef& folder, ItemIDList absolute, TTreeNode* parent,
                             ItemIDList relative);
    TTreeNode* addChildNode(const TShellFolderRef& folder, ItemIDList absolute, TTreeNode* parent,
                            TTreeChild child);
    bool PopulateNode(const TShellFolderRef& folder, TTreeNode* node);
    bool prepareExpand(TTreeNode* node);
    void handleExpanded(QTreeWidgetItem* item);
    void handleCurrentChanged(QTreeWidgetItem* current);
    void handleItemChanged(QTreeWidgetItem* item, int column);
    void handleChangeTimer();
    void WatchNode(TTreeNode* node);
    void FolderChanged();
    void refreshKeepingExpanded(TTreeNode* node);
    void selectNearestFolderLeft(TTreeNode* gone);
    void showSideways(const QModelIndex& index);
    ItemIDList rootRelative(PCItemID absolute) const;
    TShellFolderRef rootOwnFolder() const;
    void applyColors();
    // What the input controller asks of the tree.
    TPressPlace PressPlaceAt(QPoint viewportPoint, Qt::MouseButton button) const override;
    void ClearItemSelection() override;
    bool ShowItemMenuAt(QPoint viewportPoint, QPoint screenPoint) override;
    void OpenParentFolder() override;
    void RefreshFolder() override;
    void AutoscrollAt(QPoint viewportPoint) override;
    TCustomSystemListView* linkedList() const;

    TShellFolderRef m_desktopFolder;
    QPointer<QWidget> m_listView;
    quint16 m_readDelay = 500;
    TRootFolder m_rootFolder = TRootFolder::rfDesktop;
    QString m_customDir;
    QString m_customDirCaption;
    bool m_showFiles = false;
    bool m_showHiddenDirs = true;
    bool m_expandRoot = true;
    bool m_checkboxes = false;
    bool m_readOnly = false;
    bool m_showButtons = true;
    bool m_showLines = true;
    TDragMode m_dragMode = TDragMode::dmManual;
    QString m_fileMask;
    TMaskList m_maskList;
    TSortType m_sortType = TSortType::stNone;
    std::optional<QColor> m_ownColor;
    TImageListRef m_images;
    TErrorReporter* m_errorReporter = nullptr;
    TViewInputController m_input{*this, TPopupMenuMethod::pmmContext, false};

    QString m_pendingSelection;
    bool m_immediateChange = true;
    QTimer m_changeTimer;
    TNodeWatch m_watch;
    bool m_destroyingWindow = false;
    bool m_destroying = false;
    bool m_settingText = false;
    // While the tree follows a change in the file system, a folder that cannot be opened has
    // vanished: no error of the user's, and nothing to report.
    bool m_followingChange = false;
};
