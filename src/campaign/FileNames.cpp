#include "FileNames.h"

#include <unistd.h>

namespace {

constexpr std::size_t PortableNameLimit = 255;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The longest prefix of text of at most maxBytes bytes that ends between characters.
std::string_view wholeCharacters(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    while (end > 0 && isContinuation(static_cast<unsigned char>(text[end])))
        --end;
    // Bytes that are no UTF-8 at all are cut where the limit falls.
    return text.substr(0, end > 0 ? end : maxBytes);
}

} // namespace

std::string StoredFileName(const std::filesystem::path& path, const TTextCodec& codec) {
    const std::string name = path.filename().string();
    return IsValidUtf8(name) ? codec.FromUnicode(name) : name;
}

std::string NameFromFileName(std::string_view storedFileName, const TTextCodec& codec) {
    const std::size_t nameBytes = storedFileName.size() > 4 ? storedFileName.size() - 4 : 0;
    return codec.FitBytes(storedFileName, nameBytes);
}

std::string ExtractedFileName(std::string_view stored, const TTextCodec& codec) {
    return codec.ToUnicodeIfDefined(stored).value_or(std::string(stored));
}

std::string FitFileName(std::string_view name, std::size_t maxBytes, std::string_view suffix) {
    const auto dot = name.find_last_of('.');
    // A leading dot starts a hidden name, not an extension; an "extension" too long to leave
    // room for a name is treated as part of the name.
    const bool hasExtension = dot != std::string_view::npos && dot > 0 &&
                              name.size() - dot + suffix.size() < maxBytes / 2;
    const std::string_view extension = hasExtension ? name.substr(dot) : std::string_view();
    const std::string_view stem = name.substr(0, name.size() - extension.size());
    const std::size_t fixed = extension.size() + suffix.size();
    if (fixed >= maxBytes)
        return std::string(wholeCharacters(std::string(stem) + std::string(suffix), maxBytes));
    std::string fitted(wholeCharacters(stem, maxBytes - fixed));
    fitted += suffix;
    fitted += extension;
    return fitted;
}

std::size_t FileNameLimit(const std::filesystem::path& folder) {
    const long limit =
        ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    if (limit <= 0 || static_cast<unsigned long>(limit) > PortableNameLimit)
        return PortableNameLimit;
    return static_cast<std::size_t>(limit);
}
