#pragma once

#include "Arguments.h"
#include "TextCodec.h"

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>

struct TCommandContext {
    const TArguments& Args;
    const TTextCodec& Codec;
    std::ostream& Out;
    std::ostream& Err;

    std::filesystem::path Campaign() const { return Args.Positional.at(0); }
};

// A 1-based index from the command line as the 0-based position of one of count entries.
std::size_t EntryPosition(const std::string& index, std::size_t count);
// The same for a place to insert at: count + 1 means after the last entry.
std::size_t InsertPosition(const std::string& index, std::size_t count);

int RunList(const TCommandContext& context);
int RunExtract(const TCommandContext& context);
int RunCheck(const TCommandContext& context);
int RunCreate(const TCommandContext& context);
int RunAdd(const TCommandContext& context);
int RunRemove(const TCommandContext& context);
int RunReplace(const TCommandContext& context);
int RunMove(const TCommandContext& context);
int RunSetVersion(const TCommandContext& context);
int RunSetTitle(const TCommandContext& context);
int RunRename(const TCommandContext& context);
