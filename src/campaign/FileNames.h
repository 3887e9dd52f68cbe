#pragma once

#include "TextCodec.h"
#include "Utf8.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// File names are bytes on Linux. These turn them into the texts a campaign stores and back.

// The file name a scenario file at path is stored under: a valid UTF-8 name in the
// campaign's code page; any other name as the bytes it is, which is how names copied from
// another system's disk come (caf\xE9.scn stays caf\xE9.scn rather than becoming caf?.scn).
std::string StoredFileName(const std::filesystem::path& path, const TTextCodec& codec);

// The name a stored file name gives a scenario or a campaign: the file name less its last four
// bytes (".scn"), cut back further where that would leave the first bytes of a character of
// a multi-byte code page.
std::string NameFromFileName(std::string_view storedFileName, const TTextCodec& codec);

// The file name a stored file name is extracted under, the reverse of StoredFileName: the
// name in UTF-8 when the code page defines every byte of it, else the bytes as they are, so
// that stored names differing only in bytes the code page does not define (x\x81.scn and
// x\x8D.scn in windows-1252) stay apart and read back as stored.
std::string ExtractedFileName(std::string_view stored, const TTextCodec& codec);

// A UTF-8 file name with `suffix` put before its extension, shortened to at most maxBytes
// bytes: the extension is kept and the name is cut between characters.
std::string FitFileName(std::string_view name, std::size_t maxBytes, std::string_view suffix = {});

// The longest file name the folder's file system takes, in bytes.
std::size_t FileNameLimit(const std::filesystem::path& folder);
