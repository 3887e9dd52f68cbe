#pragma once

// The shell helpers the folder tree and the file list need from the window system: icons,
// the owner window, the wait cursor and the linking of the two views.

#include "FileFacts.h"
#include "ShellRecords.h"
#include "ShellViewTypes.h"
#include "SystemImageList.h"

#include <QCursor>
#include <QGuiApplication>
#include <QString>
#include <optional>

class QWidget;
class QObject;

struct TIconIndexes {
    int normal = -1;
    int open = -1;
};
// Indexes into the shared icon list for an absolute item, -1 when it cannot be read.
TIconIndexes GetIconIndexes(PCItemID absolute);
// The same for a file-system item whose kind is already known.
TIconIndexes FileIconIndexes(const QString& path, bool isDirectory);
// The callers' rule: an open index of 0 beside another normal index means "no open icon".
TIconIndexes WithOpenFallback(TIconIndexes indexes);
// The normal icon index of a list item: a place's own icon, else its file type's by the
// path and facts read for its details; -1 when the item could not be read.
int ListItemIconIndex(PCItemID absolute, const QString& path,
                      const std::optional<TFileFacts>& facts);

enum class TImageListSize { Small, Large };
// Attaches the shared icon list at the system's small or large icon size.
TImageListRef SetupImageLists(TImageListSize size);

// The window shell calls are made for: the control itself once it has a native window,
// else its parent's, else its form's, else the application's active window; may be null.
QWidget* GetOwnerWindow(QWidget* control);

// Shows the modal "Could not get folder data." message.
void ReportMissingFolderData(QWidget* parent);

// The hourglass cursor for the life of the object.
class TWaitCursor {
public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// Links a tree and a list both ways.
void LinkSystemViews(QWidget* tree, QWidget* list);
// A view that comes onto a form with no partner links itself with the first view of the
// other kind among its siblings that has none either.
void LinkTreeWithSiblingList(QWidget* tree);
void LinkListWithSiblingTree(QWidget* list);

// What the tree and the list know of each other when linked.
class TCustomSystemListView {
public:
    virtual ~TCustomSystemListView() = default;
    virtual void LinkedControlChanged(QObject* sender, bool force) = 0;
    virtual QWidget* TreeView() const = 0;
    virtual void setTreeView(QWidget* tree) = 0;
    virtual TShellFolderRef BaseFolder() const = 0;
    virtual PCItemID CurrentID() const = 0;
};

class TCustomSystemTreeView {
public:
    virtual ~TCustomSystemTreeView() = default;
    virtual void LinkedControlChanged(QObject* sender, bool force) = 0;
    virtual QWidget* ListView() const = 0;
    virtual void setListView(QWidget* list) = 0;
    virtual TShellFolderRef DesktopFolder() const = 0;
    // The selected node's absolute list; nullptr without a selected node with data.
    virtual PCItemID SelectedAbsoluteID() const = 0;
};
