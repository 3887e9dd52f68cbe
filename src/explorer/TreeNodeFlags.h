#pragma once

#include <Qt>
#include <cstdint>

class QTreeWidgetItem;

// A tree node's item flags: editable only while the tree is not read-only and the item may
// be renamed; checkable with check boxes.
Qt::ItemFlags TreeNodeFlags(std::uint32_t attributes, bool readOnly, bool checkboxes);

// Gives every node below (and including) the top-level items the editability that the
// current read-only setting allows, so that a change at run time reaches existing nodes.
void ApplyReadOnlyToNodes(QTreeWidgetItem* invisibleRoot, bool readOnly);
