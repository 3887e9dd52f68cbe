#include "ItemIDList.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Builds a list from element data texts: each element is count (2 bytes) + data.
ItemIDList listOf(std::initializer_list<std::string_view> elements) {
    ItemIDList result = AllocIDList(2);
    for (std::string_view data : elements) {
        ItemIDList element = MakeSingleIDList(data);
        result = ConcatIDLists(result, element);
    }
    return result;
}

std::vector<std::uint8_t> bytesOf(PCItemID list) {
    return {list, list + IDListSize(list)};
}

} // namespace

TEST(ItemIDList, ByteFormatIsCountedElementsWithZeroTerminator) {
    const ItemIDList list = listOf({"ab", "xyz"});
    EXPECT_EQ(bytesOf(list),
              (std::vector<std::uint8_t>{4, 0, 'a', 'b', 5, 0, 'x', 'y', 'z', 0, 0}));
    EXPECT_EQ(IDListSize(list), 11u);
    EXPECT_EQ(IDListElementCount(list), 2u);
}

TEST(ItemIDList, SizeOfNoListEmptyListAndLongList) {
    EXPECT_EQ(IDListSize(nullptr), 0u);
    const ItemIDList empty = AllocIDList(2);
    EXPECT_EQ(IDListSize(empty), 2u);
    const ItemIDList big = listOf({std::string(300, 'q')});
    EXPECT_EQ(IDListSize(big), 304u);
    EXPECT_EQ(ElementCount(big), 302);
}

TEST(ItemIDList, AllocIsZeroFilledAndFreeClearsTheOwner) {
    ItemIDList block = AllocIDList(7);
    ASSERT_TRUE(block);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(block.get()[i], 0);
    FreeIDList(block);
    EXPECT_FALSE(block);
    FreeIDList(block); // freeing an absent list is harmless
    EXPECT_FALSE(block);
}

TEST(ItemIDList, ConcatJoinsElementsAndAcceptsNoFirstList) {
    const ItemIDList a = listOf({"a"});
    const ItemIDList b = listOf({"bb", "c"});
    const ItemIDList joined = ConcatIDLists(a, b);
    EXPECT_TRUE(SameIDLists(joined, listOf({"a", "bb", "c"})));
    const ItemIDList onlySecond = ConcatIDLists(nullptr, b);
    EXPECT_TRUE(SameIDLists(onlySecond, b));
    const ItemIDList empty = AllocIDList(2);
    EXPECT_TRUE(SameIDLists(ConcatIDLists(empty, b), b));
    EXPECT_TRUE(SameIDLists(ConcatIDLists(a, empty), a));
}

TEST(ItemIDList, CopyAndSameLists) {
    EXPECT_FALSE(CopyIDList(nullptr));
    const ItemIDList a = listOf({"one", "two"});
    const ItemIDList copy = CopyIDList(a);
    EXPECT_NE(copy.get(), a.get());
    EXPECT_TRUE(SameIDLists(a, copy));

    const ItemIDList empty = AllocIDList(2);
    EXPECT_TRUE(SameIDLists(nullptr, nullptr));
    EXPECT_FALSE(SameIDLists(nullptr, empty));
    EXPECT_FALSE(SameIDLists(empty, nullptr));
    EXPECT_FALSE(SameIDLists(listOf({"one"}), listOf({"one", "two"})));
    EXPECT_FALSE(SameIDLists(listOf({"one"}), listOf({"onf"})));
}

TEST(ItemIDList, NextIDPointsInsideTheSameList) {
    const ItemIDList list = listOf({"ab", "c"});
    EXPECT_EQ(NextID(list), list.get() + 4);
    EXPECT_EQ(NextID(NextID(list)), list.get() + 7);
    EXPECT_EQ(ElementCount(NextID(NextID(list))), 0);
    EXPECT_EQ(NextID(NextID(NextID(list))), nullptr);
    EXPECT_EQ(NextID(nullptr), nullptr);
}

TEST(ItemIDList, FirstLastAndParent) {
    const ItemIDList list = listOf({"a", "bb", "ccc"});
    EXPECT_TRUE(SameIDLists(CopyFirstID(list), listOf({"a"})));
    EXPECT_TRUE(SameIDLists(CopyLastID(list), listOf({"ccc"})));
    EXPECT_TRUE(SameIDLists(CopyParentIDList(list), listOf({"a", "bb"})));
    EXPECT_EQ(IDListSize(CopyFirstID(list)), 3u + 2u);
}

TEST(ItemIDList, ParentOfOneElementIsTheDesktopNotNone) {
    const ItemIDList parent = CopyParentIDList(listOf({"only"}));
    ASSERT_TRUE(parent);
    EXPECT_EQ(IDListSize(parent), 2u);
    EXPECT_FALSE(CopyParentIDList(nullptr));
    EXPECT_FALSE(CopyLastID(nullptr));
    EXPECT_FALSE(CopyFirstID(nullptr));
    const ItemIDList empty = AllocIDList(2);
    EXPECT_EQ(IDListSize(CopyParentIDList(empty)), 2u);
    EXPECT_EQ(IDListSize(CopyFirstID(empty)), 2u);
    EXPECT_EQ(IDListSize(CopyLastID(empty)), 2u);
}

TEST(ItemIDList, OversizedElementIsRefused) {
    EXPECT_THROW(MakeSingleIDList(std::string(0x10000, 'x')), std::length_error);
    EXPECT_NO_THROW(MakeSingleIDList(std::string(0xFFFD, 'x')));
}
