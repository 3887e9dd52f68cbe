#pragma once

#include <string>
#include <string_view>

// A JSON string literal for UTF-8 text; control characters (C0, DEL and C1) are escaped.
std::string JsonString(std::string_view text);
