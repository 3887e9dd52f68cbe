#include "ListSorting.h"

bool IsFolderItem(const TListItem* item) {
    return HasAttribute(item->Data.get(), SFGAO::FOLDER | SFGAO::HASSUBFOLDER);
}

std::int32_t SortParameter(int column, bool descending) {
    const std::uint32_t low = static_cast<std::uint16_t>(column);
    return static_cast<std::int32_t>(low | (descending ? 0xFFFF0000u : 0u));
}

int DefaultListCompare(const TListItem* a, const TListItem* b, std::int32_t parameter) {
    if (const auto known = CompareByPresence(a, b))
        return *known;
    int result;
    const bool folderA = IsFolderItem(a);
    const bool folderB = IsFolderItem(b);
    if (folderA != folderB) {
        result = folderA ? -1 : 1;
    } else {
        const int column = parameter & 0xFFFF;
        if (a->Keys.Known && b->Keys.Known) {
            // The facts were gathered when the items were added: no file is read here.
            result = static_cast<std::int8_t>(CompareItemKeys(column, a->Keys, b->Keys));
        } else {
            result = CompareInFolder(*a->Data, b->Data.get(), column);
        }
    }
    if ((static_cast<std::uint32_t>(parameter) >> 16) != 0)
        result = -result;
    return result;
}
