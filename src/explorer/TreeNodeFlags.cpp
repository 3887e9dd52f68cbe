#include "TreeNodeFlags.h"

#include "TreeNodes.h"

Qt::ItemFlags TreeNodeFlags(std::uint32_t attributes, bool readOnly, bool checkboxes) {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (!readOnly && (attributes & SFGAO::CANRENAME))
        flags |= Qt::ItemIsEditable;
    if (checkboxes)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

void ApplyReadOnlyToNodes(QTreeWidgetItem* invisibleRoot, bool readOnly) {
    for (int i = 0; i < invisibleRoot->childCount(); ++i) {
        auto* node = static_cast<TTreeNode*>(invisibleRoot->child(i));
        Qt::ItemFlags flags = node->flags() & ~Qt::ItemIsEditable;
        if (!readOnly && node->Data && (node->Data->Attributes & SFGAO::CANRENAME))
            flags |= Qt::ItemIsEditable;
        node->setFlags(flags);
        ApplyReadOnlyToNodes(node, readOnly);
    }
}
