#pragma once

#include "ShellControls.h"
#include "TreePopulation.h"

#include <QByteArray>
#include <QTreeWidgetItem>
#include <memory>

// A node made from a shell item.
class TTreeNode : public QTreeWidgetItem {
public:
    TTreeNode() : QTreeWidgetItem(UserType) {}
    std::unique_ptr<TFolderItemData> Data;
    // The caption the node had before an in-place edit.
    QString Caption;

    TTreeNode* Parent() const { return static_cast<TTreeNode*>(parent()); }
    TTreeNode* Child(int index) const { return static_cast<TTreeNode*>(child(index)); }

    bool operator<(const QTreeWidgetItem& other) const override;
};

// Order of two nodes: their parent folder's CompareIDs of column 0 (no folders-first rule).
int DefaultTreeCompare(const TTreeNode* a, const TTreeNode* b);

// A node for an item that passed the tree's filter: its record, caption, flags, icon (normal
// and open, with the overlay of a shared item or a link) and expand button.
std::unique_ptr<TTreeNode> MakeTreeNode(const TShellFolderRef& folder, ItemIDList absolute,
                                        TTreeChild child, bool readOnly, bool checkboxes);

// The file-system path of a node's item as the file system's bytes; empty for a virtual
// item or no node.
QByteArray NodeNativePath(const TTreeNode* node);

// Whether item is ancestor or lies below it.
bool IsWithinNode(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor);

// The relative list a node was made from, as bytes to look it up by.
QByteArray RelativeKey(PCItemID relative);
