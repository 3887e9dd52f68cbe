#include "ItemIDList.h"

#include <cstring>
#include <new>
#include <stdexcept>

namespace {

constexpr std::size_t kCountSize = 2;

void writeCount(std::uint8_t* at, std::uint16_t count) {
    at[0] = static_cast<std::uint8_t>(count & 0xFF);
    at[1] = static_cast<std::uint8_t>(count >> 8);
}

PCItemID lastElement(PCItemID list) {
    PCItemID last = nullptr;
    for (PCItemID element = list; ElementCount(element) != 0; element += ElementCount(element))
        last = element;
    return last;
}

} // namespace

ItemIDList ItemIDList::adopt(std::unique_ptr<std::uint8_t[]> bytes) {
    ItemIDList list;
    list.m_bytes = std::move(bytes);
    return list;
}

std::uint16_t ElementCount(PCItemID element) {
    return static_cast<std::uint16_t>(element[0] | (element[1] << 8));
}

std::size_t IDListSize(PCItemID list) {
    if (!list)
        return 0;
    std::size_t size = kCountSize;
    for (PCItemID element = list; ElementCount(element) != 0; element += ElementCount(element))
        size += ElementCount(element);
    return size;
}

ItemIDList AllocIDList(std::size_t size) {
    std::unique_ptr<std::uint8_t[]> bytes(new (std::nothrow) std::uint8_t[size]());
    return ItemIDList::adopt(std::move(bytes));
}

void FreeIDList(ItemIDList& list) {
    list.reset();
}

ItemIDList ConcatIDLists(PCItemID first, PCItemID second) {
    const std::size_t firstSize = first ? IDListSize(first) - kCountSize : 0;
    const std::size_t secondSize = IDListSize(second);
    ItemIDList result = AllocIDList(firstSize + (second ? secondSize : kCountSize));
    if (!result)
        return result;
    if (firstSize)
        std::memcpy(result.data(), first, firstSize);
    if (second)
        std::memcpy(result.data() + firstSize, second, secondSize);
    return result;
}

ItemIDList CopyIDList(PCItemID list) {
    if (!list)
        return {};
    const std::size_t size = IDListSize(list);
    ItemIDList copy = AllocIDList(size);
    if (copy)
        std::memcpy(copy.data(), list, size);
    return copy;
}

bool SameIDLists(PCItemID a, PCItemID b) {
    if (!a && !b)
        return true;
    if (!a || !b)
        return false;
    const std::size_t size = IDListSize(a);
    return size == IDListSize(b) && std::memcmp(a, b, size) == 0;
}

PCItemID NextID(PCItemID list) {
    if (!list || ElementCount(list) == 0)
        return nullptr;
    return list + ElementCount(list);
}

ItemIDList CopyFirstID(PCItemID list) {
    if (!list)
        return {};
    const std::size_t count = ElementCount(list);
    ItemIDList result = AllocIDList(count + kCountSize);
    if (result)
        std::memcpy(result.data(), list, count);
    return result;
}

ItemIDList CopyLastID(PCItemID list) {
    if (!list)
        return {};
    PCItemID last = lastElement(list);
    return last ? CopyFirstID(last) : AllocIDList(kCountSize);
}

ItemIDList CopyParentIDList(PCItemID list) {
    if (!list)
        return {};
    PCItemID last = lastElement(list);
    const std::size_t keep = last ? static_cast<std::size_t>(last - list) : 0;
    ItemIDList result = AllocIDList(keep + kCountSize);
    if (result && keep)
        std::memcpy(result.data(), list, keep);
    return result;
}

std::size_t IDListElementCount(PCItemID list) {
    std::size_t count = 0;
    for (PCItemID element = list; element && ElementCount(element) != 0; element = NextID(element))
        ++count;
    return count;
}

ItemIDList MakeSingleIDList(std::string_view elementData) {
    const std::size_t count = elementData.size() + kCountSize;
    if (count > 0xFFFF)
        throw std::length_error("Item name too long for an item-ID element");
    ItemIDList result = AllocIDList(count + kCountSize);
    if (!result)
        throw std::bad_alloc();
    writeCount(result.data(), static_cast<std::uint16_t>(count));
    std::memcpy(result.data() + kCountSize, elementData.data(), elementData.size());
    return result;
}

std::string_view ElementData(PCItemID element) {
    const std::uint16_t count = ElementCount(element);
    if (count < kCountSize)
        return {};
    return {reinterpret_cast<const char*>(element + kCountSize), count - kCountSize};
}
