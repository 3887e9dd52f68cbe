#include "TerminalText.h"

std::string Printable(const std::string& utf8) {
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const bool c1 = c == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if (c1)
            ++i;
        shown += (c < 0x20 || c == 0x7F || c1) ? '?' : utf8[i];
    }
    return shown;
}
