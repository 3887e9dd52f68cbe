#pragma once

#include <cstddef>

// Whether a table keyed by an enum has exactly one row per value, in the enum's order, so that
// the row of a value is found by its number. Used in static_asserts: a value left out of its
// table, or listed twice, stops the build.
template <typename Row, std::size_t N>
constexpr bool RowsFollowTheirEnum(const Row (&rows)[N], std::size_t valueCount) {
    if (N != valueCount)
        return false;
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].Id) != i)
            return false;
    return true;
}
