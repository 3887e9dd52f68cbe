#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// Hands out the names of extracted files: each name as asked (shortened to the file
// system's limit when it is longer), or numbered "Name (2).scn",
// "Name (3).scn" when an earlier one took it. Only a 64-bit hash of each name handed out is
// kept (about 11 bytes a name), so that a table of millions of scenarios fits in little
// memory; two different names with one hash, which is all but impossible, would only give
// the second a number. For a name asked for more than once, the number its next copy gets is
// kept too, so that N copies of one name cost N steps, not N * N / 2.
class TUniqueNames {
public:
    // At most `count` names will be asked for; none longer than maxBytes bytes.
    TUniqueNames(std::size_t count, std::size_t maxBytes);

    // Throws std::length_error when asked for more than `count` names.
    std::string Next(const std::string& name);

private:
    // Adds the hash; false when it was there already.
    bool insert(std::uint64_t hash);

    std::vector<std::uint64_t> m_slots; // 0 marks a free slot
    std::unordered_map<std::uint64_t, std::uint64_t> m_nextNumber; // by the hash of the name
    std::size_t m_left;
    std::size_t m_maxBytes;
};
