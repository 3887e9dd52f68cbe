#pragma once

#include "DirectoryColumns.h"
#include "FileMask.h"
#include "FolderListing.h"
#include "SharedViewInput.h"
#include "ShellControls.h"
#include "SystemListModel.h"

#include <QItemSelection>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAbstractItemView;
class QListView;
class QMenu;
class QStackedLayout;
class QTreeView;
class QItemSelectionModel;
class QDropEvent;
class QKeyEvent;
class TListItemDelegate;

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum class TIconArrangement { iaTop, iaLeft };

// How the two icon views place their items: in rows from the top or in columns from the
// left, re-arranged when the control's size changes or kept where they are, captions
// wrapped under large icons or kept on one line.
struct TIconOptions {
    TIconArrangement Arrangement = TIconArrangement::iaTop;
    bool AutoArrange = false;
    bool WrapText = true;
    bool operator==(const TIconOptions&) const = default;
};

// The file list of the explorer pane: the items of one shell folder, filtered by a mask,
// shown as large icons, small icons, a list or a report with detail columns. Its input
// controller decides what the mouse and the keys do to the items.
class TSystemListView : public QWidget, public TCustomSystemListView, private TViewInputTarget {
    Q_OBJECT
public:
    using TNotify = std::function<void(TSystemListView* sender)>;
    using TItemNotify = std::function<void(TSystemListView* sender, TListItem* item)>;
    using TCompare =
        std::function<int(const TListItem* a, const TListItem* b, std::int32_t parameter)>;

    explicit TSystemListView(QWidget* parent = nullptr);
    ~TSystemListView() override;

    // Properties.
    QString Version() const { return QStringLiteral("TSystemListView v1.0"); }
    TViewStyle ViewStyle() const { return m_viewStyle; }
    void setViewStyle(TViewStyle style);
    TColumnType ColumnType() const { return m_columnType; }
    void setColumnType(TColumnType type);
    TPopupMenuMethod PopupMenuMethod() const { return m_input.Settings.PopupMenuMethod; }
    void setPopupMenuMethod(TPopupMenuMethod method) { m_input.Settings.PopupMenuMethod = method; }
    bool ShowHiddenFiles() const { return m_showHiddenFiles; }
    void setShowHiddenFiles(bool show) { m_showHiddenFiles = show; }
    bool ShowFolders() const { return m_showFolders; }
    void setShowFolders(bool show);
    bool Autoscroll() const { return m_input.Settings.Autoscroll; }
    void setAutoscroll(bool on) { m_input.Settings.Autoscroll = on; }
    QString FileMask() const { return m_fileMask; }
    void setFileMask(const QString& mask);
    const TMaskList& MaskList() const { return m_maskList; }
    bool MultiSelect() const { return m_multiSelect; }
    void setMultiSelect(bool multi);
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    TSortType SortType() const { return m_sortType; }
    void setSortType(TSortType type);
    bool ColumnClick() const { return m_columnClick; }
    void setColumnClick(bool on);
    bool ShowColumnHeaders() const { return m_showColumnHeaders; }
    void setShowColumnHeaders(bool show);
    bool ToolTips() const { return m_toolTips; }
    void setToolTips(bool on);
    bool Checkboxes() const { return m_checkboxes; }
    void setCheckboxes(bool on);
    bool GridLines() const { return m_gridLines; }
    void setGridLines(bool on);
    bool HotTrack() const { return m_input.Settings.HotTrack; }
    void setHotTrack(bool on);
    bool RowSelect() const { return m_rowSelect; }
    void setRowSelect(bool on);
    const TIconOptions& IconOptions() const { return m_iconOptions; }
    void setIconOptions(const TIconOptions& options);
    // How many items to make room for before each population (0: as they come).
    int AllocBy() const { return m_allocBy; }
    void setAllocBy(int count) { m_allocBy = std::max(0, count); }
    TDragMode DragMode() const { return m_dragMode; }
    void setDragMode(TDragMode mode);
    QMenu* PopupMenu() const { return m_input.Settings.PopupMenu; }
    void setPopupMenu(QMenu* menu) { m_input.Settings.PopupMenu = menu; }
    QWidget* TreeView() const override { return m_treeView; }
    void setTreeView(QWidget* tree) override { m_treeView = tree; }
    const TDirectoryColumnWidths& ColumnWidths() const { return m_columnWidths; }
    // The palette's background unless a colour of its own was set.
    QColor Color() const;
    void setColor(const QColor& color);

    // Events.
    TNotify OnCreateColumns;
    TItemNotify OnAddListItem;
    TNotify OnPopulated;
    TItemNotify OnDblClick;
    TItemNotify OnChange;
    std::function<void(TSystemListView* sender, int column)> OnColumnClick;
    TNotify OnExit;

    // Operations.
    QString GetItemPath(const TListItem* item) const;
    void Reload();
    bool PopulateFolder(const TShellFolderRef& folder, PCItemID absolute, bool force);
    void LinkedControlChanged(QObject* sender, bool force) override;
    void NotifyLinkedControls(bool force);
    void SortByColumn(const TCompare& compare, int column);
    void SortDefault();
    void OpenItem(TListItem* item);
    TListItem* FindItemByID(PCItemID relative) const;
    bool ShowItemContextMenu(TListItem* item, QPoint screenPoint);
    bool ShowSelectionContextMenu(QPoint screenPoint);
    void AddColumn(const QString& caption, int width, Qt::Alignment alignment = Qt::AlignLeft);

    TShellFolderRef BaseFolder() const override { return m_baseFolder; }
    PCItemID CurrentID() const override { return m_currentID; }
    int LastSortColumn() const { return m_lastSortColumn; }
    bool LastSortDescending() const { return m_lastSortDescending; }

    // A folder of at least this many items is read again on a worker thread when it changes,
    // and only its changes are applied, so that the window keeps answering.
    static constexpr int BackgroundReadFrom = 1000;

    // The list control's items and selection.
    int Count() const { return m_model->Count(); }
    TListItem* Item(int index) const { return m_model->Item(index); }
    int IndexOf(const TListItem* item) const { return m_model->RowOf(item); }
    int SelCount() const;
    TListItem* Selected() const;
    TListItem* ItemFocused() const;
    void setItemFocused(TListItem* item);
    TListItem* GetNextSelected(const TListItem* after) const;
    bool IsSelected(const TListItem* item) const;
    void setSelected(TListItem* item, bool selected);
    void ClearSelection();
    TListItem* ItemAt(QPoint viewportPoint) const;

    // The view currently shown (its viewport takes mouse events) and the columns' widths.
    QAbstractItemView* CurrentView() const;
    int ColumnWidth(int column) const;
    TSystemListModel* Model() const { return m_model; }

    // The list a drag came from, when it came from one.
    static TSystemListView* FromDragSource(QObject* source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildColumns();
    void applyColumnWidths();
    void applyViewStyle();
    void applyDragMode();
    void applyColor();
    bool FillList(const TShellFolderRef& folder, PCItemID parentAbsolute);
    TListItem* AddFileItem(const TShellFolderRef& folder, ItemIDList absolute, ItemIDList relative);
    std::unique_ptr<TListItem> makeFileItem(const TShellFolderRef& folder, ItemIDList absolute,
                                            ItemIDList relative) const;
    TListItem* finishFileItem(TListItem* item);
    std::uint32_t enumerationFlags() const;
    bool readAgainInBackground();
    void applyListing(int generation, const TFolderListing& listing);
    int sortedPlaceOf(const TListItem& item, std::int32_t parameter) const;
    void handleDoubleClick(const QModelIndex& index);
    void setHotRow(int row);
    void updateRow(int row);
    void applyPaintOptions();
    void handleSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void handleColumnClick(int column);
    bool renameItem(TListItem& item, const QString& newName);
    TCustomSystemTreeView* linkedTree() const;

    // What the input controller asks of the list.
    TPressPlace PressPlaceAt(QPoint viewportPoint, Qt::MouseButton button) const override;
    void ClearItemSelection() override;
    bool ShowItemMenuAt(QPoint viewportPoint, QPoint screenPoint) override;
    void OpenParentFolder() override;
    void RefreshFolder() override;
    void AutoscrollAt(QPoint viewportPoint) override;
    void HotTrackAt(QPoint viewportPoint) override;
    void EndHotTracking() override;
    void FocusLeft() override;

    TSystemListModel* m_model;
    QStackedLayout* m_stack;
    QListView* m_listView;
    QTreeView* m_reportView;
    QItemSelectionModel* m_selection;
    TListItemDelegate* m_listDelegate;
    TListItemDelegate* m_reportDelegate;
    TImageListRef m_smallImages;
    TImageListRef m_largeImages;

    TViewStyle m_viewStyle = TViewStyle::vsIcon;
    TColumnType m_columnType = TColumnType::ctFileSystem;
    bool m_showHiddenFiles = true;
    bool m_showFolders = true;
    QString m_fileMask;
    TMaskList m_maskList;
    bool m_multiSelect = false;
    bool m_readOnly = false;
    TSortType m_sortType = TSortType::stNone;
    bool m_columnClick = true;
    bool m_showColumnHeaders = true;
    bool m_checkboxes = false;
    bool m_toolTips = true;
    bool m_gridLines = false;
    bool m_rowSelect = false;
    TIconOptions m_iconOptions;
    int m_allocBy = 0;
    int m_hotRow = -1;
    TDragMode m_dragMode = TDragMode::dmManual;
    QPointer<QWidget> m_treeView;
    std::optional<QColor> m_ownColor;

    TShellFolderRef m_baseFolder;
    ItemIDList m_currentID;
    bool m_needsPopulate = true;
    TDirectoryColumnWidths m_columnWidths;
    int m_lastSortColumn = -1;
    bool m_lastSortDescending = false;
    // Every full read counts up, so that a background read started before it is dropped.
    int m_populateGeneration = 0;
    bool m_readAgain = false;
    std::unique_ptr<TFolderReader> m_reader;
    // The list has no RightClickSelect of its own: a right press selects, as the item views'
    // does.
    TViewInputController m_input{*this, TPopupMenuMethod::pmmContextUser, true};
};
