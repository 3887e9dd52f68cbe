#include "ListSorting.h"

namespace {

bool isFolderItem(const TListItem* item) {
    return HasAttribute(item->Data.get(), SFGAO::FOLDER | SFGAO::HASSUBFOLDER);
}

} // namespace

std::int32_t SortParameter(int column, bool descending) {
    const std::uint32_t low = static_cast<std::uint16_t>(column);
    return static_cast<std::int32_t>(low | (descending ? 0xFFFF0000u : 0u));
}

int DefaultListCompare(const TListItem* a, const TListItem* b, std::int32_t parameter) {
    if (a == b)
        return 0;
    if (!a)
        return -1;
    if (!b)
        return 1;
    if (!a->Data)
        return 0;
    int result;
    const bool folderA = isFolderItem(a);
    const bool folderB = isFolderItem(b);
    if (folderA != folderB) {
        result = folderA ? -1 : 1;
    } else {
        const int column = parameter & 0xFFFF;
        if (a->Keys.Known && b->Keys.Known) {
            // The facts were gathered when the items were added: no file is read here.
            result = static_cast<std::int8_t>(CompareItemKeys(column, a->Keys, b->Keys));
        } else {
            const PCItemID other = b->Data ? b->Data->RelativeID.get() : nullptr;
            result = static_cast<std::int8_t>(
                a->Data->ParentFolder->CompareIDs(column, a->Data->RelativeID, other));
        }
    }
    if ((static_cast<std::uint32_t>(parameter) >> 16) != 0)
        result = -result;
    return result;
}
