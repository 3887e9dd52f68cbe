#include "TreeNodes.h"

#include "ItemPaths.h"
#include "TreeNodeFlags.h"

int DefaultTreeCompare(const TTreeNode* a, const TTreeNode* b) {
    if (const auto known = CompareByPresence(a, b))
        return *known;
    if (!a->Data->ParentFolder)
        return 0;
    return CompareInFolder(*a->Data, b->Data.get(), 0);
}

bool TTreeNode::operator<(const QTreeWidgetItem& other) const {
    return DefaultTreeCompare(this, static_cast<const TTreeNode*>(&other)) < 0;
}

std::unique_ptr<TTreeNode> MakeTreeNode(const TShellFolderRef& folder, ItemIDList absolute,
                                        TTreeChild child, bool readOnly, bool checkboxes) {
    auto node = std::make_unique<TTreeNode>();
    node->Data = std::make_unique<TFolderItemData>(TFolderDataOwner::Tree);
    TFolderItemData& data = *node->Data;
    data.ParentFolder = folder;
    data.Attributes = child.Attributes;
    data.RelativeID = std::move(child.Relative);
    data.AbsoluteID = std::move(absolute);
    node->Caption = child.Name;
    node->setText(0, child.Name);
    if (checkboxes)
        node->setCheckState(0, Qt::Unchecked);
    node->setFlags(TreeNodeFlags(data.Attributes, readOnly, checkboxes));

    const TIconIndexes icons = WithOpenFallback(GetIconIndexes(data.AbsoluteID));
    const bool folderItem = data.Attributes & SFGAO::FOLDER;
    const int image = folderItem ? icons.normal : icons.open;
    const int selected = icons.open;
    int overlay = -1;
    if (data.Attributes & SFGAO::SHARE)
        overlay = 0;
    if (data.Attributes & SFGAO::LINK)
        overlay = 1;
    if (image >= 0)
        node->setIcon(0, TSystemImageList::instance().composedIcon(
                             image, selected < 0 ? image : selected, overlay));
    node->setChildIndicatorPolicy(child.HasButton ? QTreeWidgetItem::ShowIndicator
                                                  : QTreeWidgetItem::DontShowIndicator);
    return node;
}

QByteArray NodeNativePath(const TTreeNode* node) {
    return NativeItemPath(node ? node->Data.get() : nullptr);
}

bool IsWithinNode(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor) {
    for (; item; item = item->parent()) {
        if (item == ancestor)
            return true;
    }
    return false;
}

QByteArray RelativeKey(PCItemID relative) {
    return QByteArray(reinterpret_cast<const char*>(relative),
                      static_cast<qsizetype>(IDListSize(relative)));
}
