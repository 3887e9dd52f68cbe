// The commands that write a campaign: create, add, remove, replace, move, set-version,
// set-title, rename. Each reads the campaign's table, edits the list and writes the new file in one
// atomic step, so a failure at any point leaves the old file as it was. Each holds the
// campaign's lock from the read to the write, so that two edits at once never lose one.
#include "CampaignEditor.h"
#include "CampaignError.h"
#include "CommandContext.h"
#include "FileFormat.h"
#include "Utf8.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <set>

namespace {

// A stored text (title, name, file name) from an argument: in the code page, cut between
// characters to what its field of `width` bytes reads back whole. A text that is not UTF-8 is
// taken as the bytes it is, as file names are.
std::string storedTextFromArgument(const TCommandContext& context, const std::string& text,
                                   std::size_t width, const char* what) {
    const std::string encoded = IsValidUtf8(text) ? context.Codec.FromUnicode(text) : text;
    std::string raw = context.Codec.FitBytes(encoded, width - 1);
    if (raw.size() < encoded.size())
        context.Err << "brindlewick-cli: the " << what << " is cut to " << raw.size()
                    << " bytes, as much as its field holds\n";
    return raw;
}

std::string titleFromArgument(const TCommandContext& context, const std::string& title) {
    return storedTextFromArgument(context, title, CampaignFormat::TitleWidth, "title");
}

std::vector<std::string> afterCampaign(const TCommandContext& context, std::size_t skip) {
    const auto& positional = context.Args.Positional;
    return {positional.begin() + static_cast<std::ptrdiff_t>(1 + skip), positional.end()};
}

// Opens the campaign, holding its lock until the edited campaign is written back.
int editCampaign(const TCommandContext& context,
                 const std::function<void(TCampaignEditor&)>& edit) {
    TCampaignEditor editor = TCampaignEditor::Open(context.Campaign(), context.Codec);
    edit(editor);
    editor.Save();
    return 0;
}

} // namespace

int RunCreate(const TCommandContext& context) {
    TCampaignEditor editor = TCampaignEditor::Empty(context.Campaign(), context.Codec);
    if (context.Args.Values.count("--title"))
        editor.setTitle(titleFromArgument(context, context.Args.Values.at("--title")));
    for (const auto& scenario : afterCampaign(context, 0))
        editor.Insert(editor.Count(), scenario);
    std::error_code missing;
    if (!context.Args.Has("--force") &&
        std::filesystem::symlink_status(context.Campaign(), missing).type() !=
            std::filesystem::file_type::not_found &&
        !missing)
        throw ECampaignError("the campaign already exists (--force replaces it)");
    editor.Save(context.Args.Has("--force"));
    return 0;
}

int RunAdd(const TCommandContext& context) {
    return editCampaign(context, [&](TCampaignEditor& editor) {
        std::size_t position = editor.Count();
        if (context.Args.Values.count("--at"))
            position = InsertPosition(context.Args.Values.at("--at"), editor.Count());
        for (const auto& scenario : afterCampaign(context, 0))
            editor.Insert(position++, scenario);
    });
}

int RunRemove(const TCommandContext& context) {
    return editCampaign(context, [&](TCampaignEditor& editor) {
        const std::size_t count = editor.Count();
        std::set<std::size_t> positions;
        for (const auto& index : afterCampaign(context, 0))
            positions.insert(EntryPosition(index, count));
        editor.RemoveAll(positions);
    });
}

int RunReplace(const TCommandContext& context) {
    const auto& positional = context.Args.Positional;
    return editCampaign(context, [&](TCampaignEditor& editor) {
        editor.Replace(EntryPosition(positional[1], editor.Count()), positional[2]);
    });
}

int RunMove(const TCommandContext& context) {
    const auto& positional = context.Args.Positional;
    return editCampaign(context, [&](TCampaignEditor& editor) {
        editor.Move(EntryPosition(positional[1], editor.Count()),
                    EntryPosition(positional[2], editor.Count()));
    });
}

int RunSetVersion(const TCommandContext& context) {
    const auto& positional = context.Args.Positional;
    const auto version = ParseVersionText(positional[2]);
    if (!version)
        throw EUsageError("unknown version " + positional[2] + " (1.10, 1.11 or 1.18)");
    return editCampaign(context, [&](TCampaignEditor& editor) {
        if (positional[1] == "all")
            editor.setVersionOfAll(*version);
        else
            editor.setVersion(EntryPosition(positional[1], editor.Count()), *version);
    });
}

int RunSetTitle(const TCommandContext& context) {
    return editCampaign(context, [&](TCampaignEditor& editor) {
        editor.setTitle(titleFromArgument(context, context.Args.Positional[1]));
    });
}

int RunRename(const TCommandContext& context) {
    const auto& positional = context.Args.Positional;
    std::string name =
        storedTextFromArgument(context, positional[2], CampaignFormat::NameWidth, "name");
    std::optional<std::string> fileName;
    if (context.Args.Values.count("--file-name"))
        fileName = storedTextFromArgument(context, context.Args.Values.at("--file-name"),
                                          CampaignFormat::FileNameWidth, "file name");
    return editCampaign(context, [&](TCampaignEditor& editor) {
        editor.Rename(EntryPosition(positional[1], editor.Count()), std::move(name),
                      std::move(fileName));
    });
}
