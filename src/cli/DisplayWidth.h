#pragma once

#include <cstddef>
#include <string_view>

// The number of terminal columns valid UTF-8 text takes: two for the wide characters of East
// Asian scripts (and emoji), none for combining marks and zero-width characters, one for
// everything else, as terminals draw them. A byte that starts no valid sequence takes one.
std::size_t DisplayWidth(std::string_view utf8);
