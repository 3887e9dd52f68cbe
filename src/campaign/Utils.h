#pragma once

#include "FileFormat.h"

#include <cstdint>
#include <string>
#include <string_view>

// Size column text: bytes below 1024, whole KB below 1 MB, whole MB above (no rounding).
std::string FormatSize(std::int64_t size);

// Offset column text: upper-case hexadecimal, at least four digits (784 gives 0310).
std::string OffsetText(std::int64_t offset);

// The text less its last four characters; no dot is looked for ("Demo.scn" gives "Demo").
std::string NameWithoutExt(std::string_view text);

// The last component of a path, without its folder.
std::string FileNameOfPath(std::string_view path);

// A stored scenario file name (UTF-8) reduced to a name that stays inside the folder it is
// written to: the last path component, no drive prefix, no control characters (C0, DEL, C1),
// never "." or "..", at most 255 bytes (cut between characters, the extension kept). Falls
// back to `fallback` when nothing usable is left.
std::string SafeFileName(std::string_view storedName, std::string_view fallback);

// Fixed text fields: read up to the first zero byte and never more than width - 1 bytes;
// written zero-filled with the text cut to those width - 1 bytes, so that what is written reads
// back whole. Cutting between characters of a multi-byte code page is TTextCodec::FitBytes's
// part; these cut bytes.
std::string HeaderTitleToStr(const TCampaignHeader& header);
void StrToHeaderTitle(std::string_view text, TCampaignHeader& header);
std::string RecordNameToStr(const TScenarioRecord& record);
void StrToRecordName(std::string_view text, TScenarioRecord& record);
std::string RecordFileNameToStr(const TScenarioRecord& record);
void StrToRecordFileName(std::string_view text, TScenarioRecord& record);
