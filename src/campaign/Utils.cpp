#include "Utils.h"

#include "FileNames.h"

#include <algorithm>
#include <cstdio>

namespace {

template <std::size_t N> std::string fieldToStr(const std::array<std::uint8_t, N>& field) {
    const auto readable = field.begin() + (N - 1);
    const auto end = std::find(field.begin(), readable, std::uint8_t{0});
    return std::string(field.begin(), end);
}

// The text is cut to width - 1 bytes, so that a zero always ends it and it reads back whole.
template <std::size_t N>
void strToField(std::string_view text, std::array<std::uint8_t, N>& field) {
    field.fill(0);
    const std::size_t count = std::min(text.size(), N - 1);
    std::copy_n(text.begin(), count, field.begin());
}

constexpr std::size_t NameLimit = 255; // bytes in one file name on Linux file systems

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// U+0080 to U+009F in UTF-8 start at text[at].
bool isC1Control(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]) == 0xC2 && at + 1 < text.size() &&
           static_cast<unsigned char>(text[at + 1]) >= 0x80 &&
           static_cast<unsigned char>(text[at + 1]) <= 0x9F;
}

} // namespace

std::string FormatSize(std::int64_t size) {
    if (size < 1024)
        return std::to_string(size);
    if (size < 1048576)
        return std::to_string(size / 1024) + " KB";
    return std::to_string(size / 1024 / 1024) + " MB";
}

std::string OffsetText(std::int64_t offset) {
    char text[24];
    std::snprintf(text, sizeof text, "%04llX", static_cast<unsigned long long>(offset));
    return text;
}

std::string NameWithoutExt(std::string_view text) {
    if (text.size() <= 4)
        return {};
    return std::string(text.substr(0, text.size() - 4));
}

std::string FileNameOfPath(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string SafeFileName(std::string_view storedName, std::string_view fallback) {
    std::string_view name = storedName;
    const auto separator = name.find_last_of("/\\");
    if (separator != std::string_view::npos)
        name = name.substr(separator + 1);
    if (name.size() >= 2 && name[1] == ':' &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z')))
        name = name.substr(2);

    std::string safe;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        // A C1 control in the name, or one that dropping a control would join together.
        const bool joinsC1 = c >= 0x80 && c <= 0x9F && !safe.empty() && safe.back() == '\xC2';
        if (isC1Control(name, i))
            ++i;
        else if (!isControl(c) && !joinsC1)
            safe += name[i];
    }
    safe = FitFileName(safe, NameLimit);
    while (!safe.empty() && safe.back() == ' ')
        safe.pop_back();

    if (safe.empty() || std::all_of(safe.begin(), safe.end(), [](char c) { return c == '.'; }))
        return std::string(fallback);
    return safe;
}

std::string HeaderTitleToStr(const TCampaignHeader& header) {
    return fieldToStr(header.Title);
}
void StrToHeaderTitle(std::string_view text, TCampaignHeader& header) {
    strToField(text, header.Title);
}
std::string RecordNameToStr(const TScenarioRecord& record) {
    return fieldToStr(record.Name);
}
void StrToRecordName(std::string_view text, TScenarioRecord& record) {
    strToField(text, record.Name);
}
std::string RecordFileNameToStr(const TScenarioRecord& record) {
    return fieldToStr(record.FileName);
}
void StrToRecordFileName(std::string_view text, TScenarioRecord& record) {
    strToField(text, record.FileName);
}
