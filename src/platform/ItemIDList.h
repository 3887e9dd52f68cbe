#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// The shell's name of an item: elements of a 16-bit little-endian byte count (which counts
// itself) followed by that many bytes minus two of data; a zero count ends the list. The
// empty list (only the terminator) names the desktop.
//
// A list has exactly one owner, an ItemIDList. Helpers read lists through plain byte
// pointers (nullptr meaning "no list") and hand back new owners.
using PCItemID = const std::uint8_t*;

class ItemIDList {
public:
    ItemIDList() = default;
    ItemIDList(ItemIDList&&) noexcept = default;
    ItemIDList& operator=(ItemIDList&&) noexcept = default;
    ItemIDList(const ItemIDList&) = delete;
    ItemIDList& operator=(const ItemIDList&) = delete;

    static ItemIDList adopt(std::unique_ptr<std::uint8_t[]> bytes);

    PCItemID get() const { return m_bytes.get(); }
    std::uint8_t* data() { return m_bytes.get(); }
    explicit operator bool() const { return m_bytes != nullptr; }
    operator PCItemID() const { return m_bytes.get(); }
    void reset() { m_bytes.reset(); }

private:
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

std::uint16_t ElementCount(PCItemID element);

std::size_t IDListSize(PCItemID list);
ItemIDList AllocIDList(std::size_t size);
void FreeIDList(ItemIDList& list);
ItemIDList ConcatIDLists(PCItemID first, PCItemID second);
ItemIDList CopyIDList(PCItemID list);
bool SameIDLists(PCItemID a, PCItemID b);
PCItemID NextID(PCItemID list);
ItemIDList CopyFirstID(PCItemID list);
ItemIDList CopyLastID(PCItemID list);
ItemIDList CopyParentIDList(PCItemID list);

// Number of elements before the terminator (0 for no list and for the empty list).
std::size_t IDListElementCount(PCItemID list);

// A one-element list whose element data is the given bytes. Element data longer than a
// 16-bit count can describe is refused with std::length_error.
ItemIDList MakeSingleIDList(std::string_view elementData);

// The data bytes of one element (without its count).
std::string_view ElementData(PCItemID element);
