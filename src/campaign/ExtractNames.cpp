#include "ExtractNames.h"

#include "FileNames.h"
#include "Utils.h"

#include <string>

TExtractNames::TExtractNames(const std::filesystem::path& folder, std::size_t count,
                             const TTextCodec& codec)
    : m_folder(folder), m_codec(codec), m_names(count, FileNameLimit(folder)) {}

std::filesystem::path TExtractNames::Next(std::string_view storedFileName, std::size_t index) {
    const std::string fallback = "scenario-" + std::to_string(index + 1) + ".scn";
    return m_folder /
           m_names.Next(SafeFileName(ExtractedFileName(storedFileName, m_codec), fallback));
}
