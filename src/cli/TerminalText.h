#pragma once

#include <string>

// Text as the command line shows it on a terminal: control characters, which would steer the
// terminal, each become "?": C0 and DEL, and C1 (U+0080 to U+009F, which some terminals obey
// as ESC sequences). Stored texts and the paths a message echoes are shown so alike.
std::string Printable(const std::string& utf8);
