#include "Json.h"

#include <cstdio>

namespace {

void appendEscaped(std::string& quoted, unsigned codePoint) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", codePoint);
    quoted += escaped;
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (c == '"') {
            quoted += "\\\"";
        } else if (c == '\\') {
            quoted += "\\\\";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            appendEscaped(quoted, c);
        } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            // C1 controls, escaped like C0 so that printing the JSON cannot steer a terminal.
            appendEscaped(quoted, next);
            ++i;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}
