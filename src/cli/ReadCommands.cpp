// The commands that read a campaign and change nothing in it: list, extract, check.
#include "CampaignCheck.h"
#include "CampaignError.h"
#include "CampaignReader.h"
#include "CommandContext.h"
#include "FileIO.h"
#include "FileNames.h"
#include "Json.h"
#include "ScenarioPayload.h"
#include "Utils.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <set>
#include <sys/stat.h>

namespace {

constexpr std::size_t ListBlockRows = 4096;

struct TListRow {
    std::string Index, Name, FileName, Offset, Size, Version;
};

std::optional<std::string> versionAt(const TInputFile& file, const TTableEntry& entry) {
    if (entry.Size < 4)
        return std::nullopt;
    std::array<std::uint8_t, 4> bytes;
    file.ReadAt(entry.Offset, bytes);
    const std::string text(bytes.begin(), bytes.end());
    if (!ParseVersionText(text))
        return std::nullopt;
    return text;
}

// Control characters in stored texts would steer the terminal: C0 and DEL, and C1 (U+0080 to
// U+009F, which some terminals obey as ESC sequences), so the table shows each as "?".
std::string printable(const std::string& utf8) {
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

std::size_t displayWidth(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void printTable(std::ostream& out, const std::vector<TListRow>& rows) {
    std::array<std::size_t, 6> widths{};
    const auto fields = [](const TListRow& row) {
        return std::array<const std::string*, 6>{&row.Index,  &row.Name, &row.FileName,
                                                 &row.Offset, &row.Size, &row.Version};
    };
    for (const auto& row : rows)
        for (std::size_t i = 0; i < 6; ++i)
            widths[i] = std::max(widths[i], displayWidth(*fields(row)[i]));
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < 6; ++i) {
            const std::string& text = *fields(row)[i];
            const std::string padding(widths[i] - displayWidth(text), ' ');
            // Numbers line up on the right, texts on the left.
            const bool numeric = i == 0 || i == 4;
            line += numeric ? padding + text : text + (i + 1 < 6 ? padding : "");
            if (i + 1 < 6)
                line += "  ";
        }
        out << line << "\n";
    }
}

// Where each chosen scenario goes: its stored file name made safe and short enough for the
// folder's file system, numbered when two scenarios would share a name.
std::vector<std::filesystem::path> extractTargets(const TCampaignTable& table,
                                                  const std::vector<std::size_t>& chosen,
                                                  const std::filesystem::path& folder,
                                                  const TTextCodec& codec) {
    std::vector<std::filesystem::path> targets;
    std::set<std::string> taken;
    const std::size_t limit = FileNameLimit(folder);
    for (const std::size_t index : chosen) {
        const std::string fallback = "scenario-" + std::to_string(index + 1) + ".scn";
        const std::string name =
            SafeFileName(codec.ToUnicode(table.Entries[index].FileName), fallback);
        std::string candidate = FitFileName(name, limit);
        for (int number = 2; taken.count(candidate); ++number)
            candidate = FitFileName(name, limit, " (" + std::to_string(number) + ")");
        taken.insert(candidate);
        targets.push_back(folder / candidate);
    }
    return targets;
}

} // namespace

// Lists in two passes over the table, the first only checking it, so that a damaged table
// prints nothing but the error and memory stays small however many scenarios there are.
int RunList(const TCommandContext& context) {
    const TInputFile file(context.Campaign());
    const TCampaignHead head = ReadCampaignHead(file);
    ForEachTableEntry(file, head.Count, [](TTableEntry&&) {});
    const std::string title = context.Codec.ToUnicode(head.Title);
    auto& out = context.Out;
    std::int64_t index = 0;

    if (context.Args.Has("--json")) {
        out << "{\"title\": " << JsonString(title) << ", \"count\": " << head.Count
            << ", \"scenarios\": [";
        ForEachTableEntry(file, head.Count, [&](TTableEntry&& entry) {
            const auto version = versionAt(file, entry);
            out << (index ? ", " : "");
            out << "{\"index\": " << ++index
                << ", \"name\": " << JsonString(context.Codec.ToUnicode(entry.Name))
                << ", \"file_name\": " << JsonString(context.Codec.ToUnicode(entry.FileName))
                << ", \"offset\": " << entry.Offset << ", \"size\": " << entry.Size
                << ", \"version\": " << (version ? JsonString(*version) : "null") << "}";
        });
        out << "]}\n";
        return 0;
    }

    out << "Title: " << printable(title) << "\n";
    // Rows are aligned a block at a time: a block's widths come from its own rows.
    std::vector<TListRow> rows{{"#", "Name", "File name", "Offset", "Size", "Version"}};
    ForEachTableEntry(file, head.Count, [&](TTableEntry&& entry) {
        rows.push_back({std::to_string(++index), printable(context.Codec.ToUnicode(entry.Name)),
                        printable(context.Codec.ToUnicode(entry.FileName)),
                        OffsetText(entry.Offset), std::to_string(entry.Size),
                        versionAt(file, entry).value_or("?")});
        if (rows.size() == ListBlockRows) {
            printTable(out, rows);
            rows.clear();
        }
    });
    printTable(out, rows);
    return 0;
}

int RunExtract(const TCommandContext& context) {
    const TInputFile file(context.Campaign());
    const TCampaignTable table = ReadCampaignTable(file);

    std::vector<std::size_t> chosen;
    for (std::size_t i = 1; i < context.Args.Positional.size(); ++i) {
        const std::size_t position =
            EntryPosition(context.Args.Positional[i], table.Entries.size());
        if (std::find(chosen.begin(), chosen.end(), position) == chosen.end())
            chosen.push_back(position);
    }
    if (context.Args.Positional.size() == 1)
        for (std::size_t i = 0; i < table.Entries.size(); ++i)
            chosen.push_back(i);

    const std::filesystem::path folder = context.Args.Value("--output", ".");
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error))
        throw TCampaignError("Cannot create folder " + folder.string());

    const auto targets = extractTargets(table, chosen, folder, context.Codec);
    const bool force = context.Args.Has("--force");
    if (!force)
        for (const auto& target : targets)
            if (struct stat status {}; ::lstat(target.c_str(), &status) == 0)
                throw TCampaignError(target.string() + " already exists (--force replaces it)");

    for (std::size_t i = 0; i < chosen.size(); ++i) {
        const auto& entry = table.Entries[chosen[i]];
        TAtomicFile output(targets[i], TAtomicFile::TLinks::Replace);
        output.CopyFrom(file, entry.Offset, entry.Size);
        output.Commit(force);
        context.Out << targets[i].string() << "\n";
    }
    return 0;
}

int RunCheck(const TCommandContext& context) {
    const TCampaignReport report = CheckCampaign(context.Campaign());
    const std::string name = context.Campaign().string();
    for (const auto& finding : report.Findings)
        context.Out << name << ": " << finding << "\n";
    if (!report.Findings.empty())
        return 1;
    context.Out << name << ": no problems found (" << report.Count << " scenarios)\n";
    return 0;
}
