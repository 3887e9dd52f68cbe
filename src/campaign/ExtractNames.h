#pragma once

#include "TextCodec.h"
#include "UniqueNames.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

// The files scenarios are extracted to, for the command line's extract and the editor's Save
// All alike, so that one campaign gives the same files either way: each stored file name made
// safe (nothing outside the folder; "scenario-N.scn" when nothing usable is left), short
// enough for the folder's file system, and numbered "Name (2).scn" when an earlier scenario
// took the name. Asked in the order the files are written.
class TExtractNames {
public:
    // At most `count` names will be asked for.
    TExtractNames(const std::filesystem::path& folder, std::size_t count, const TTextCodec& codec);

    // The file for the scenario at `index` (from 0) stored under `storedFileName`.
    std::filesystem::path Next(std::string_view storedFileName, std::size_t index);

private:
    std::filesystem::path m_folder;
    const TTextCodec& m_codec;
    TUniqueNames m_names;
};
