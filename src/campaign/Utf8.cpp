#include "Utf8.h"

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte starts, 0 when it starts none.
std::size_t leadLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text) {
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = leadLength(lead);
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if (!isContinuation(static_cast<unsigned char>(text[k])))
            return 0;
    if (length > 1) {
        const auto second = static_cast<unsigned char>(text[1]);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
            return 0;
    }
    return length;
}

char32_t Utf8CodePoint(std::string_view text) {
    const std::size_t length = Utf8SequenceLength(text);
    const auto lead = static_cast<unsigned char>(text[0]);
    static constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t codePoint = lead & leadBits[length];
    for (std::size_t k = 1; k < length; ++k)
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[k]) & 0x3F);
    return codePoint;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) {
            valid += ReplacementCharacter;
            ++i;
        } else {
            valid += text.substr(i, length);
            i += length;
        }
    }
    return valid;
}
