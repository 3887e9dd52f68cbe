// The commands that read a campaign and change nothing in it: list, extract, check.
#include "CampaignCheck.h"
#include "CampaignError.h"
#include "CampaignReader.h"
#include "CommandContext.h"
#include "DisplayWidth.h"
#include "ExtractNames.h"
#include "FileIO.h"
#include "FileNames.h"
#include "Json.h"
#include "ScenarioPayload.h"
#include "TerminalText.h"
#include "Utils.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <ostream>
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

// A written file's path as extract reports it: bytes that are no UTF-8, which names the code
// page does not define keep, shown as \xHH, so that no terminal takes them for control codes.
std::string reportedPath(const std::string& path) {
    std::string shown;
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t length = Utf8SequenceLength(std::string_view(path).substr(i));
        if (length == 0) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(path[i]));
            shown += escaped;
            ++i;
        } else {
            shown.append(path, i, length);
            i += length;
        }
    }
    return Printable(shown);
}

void printTable(std::ostream& out, const std::vector<TListRow>& rows) {
    std::array<std::size_t, 6> widths{};
    const auto fields = [](const TListRow& row) {
        return std::array<const std::string*, 6>{&row.Index,  &row.Name, &row.FileName,
                                                 &row.Offset, &row.Size, &row.Version};
    };
    for (const auto& row : rows)
        for (std::size_t i = 0; i < 6; ++i)
            widths[i] = std::max(widths[i], DisplayWidth(*fields(row)[i]));
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < 6; ++i) {
            const std::string& text = *fields(row)[i];
            const std::string padding(widths[i] - DisplayWidth(text), ' ');
            // Numbers line up on the right, texts on the left.
            const bool numeric = i == 0 || i == 4;
            line += numeric ? padding + text : text + (i + 1 < 6 ? padding : "");
            if (i + 1 < 6)
                line += "  ";
        }
        out << line << "\n";
    }
}

// The scenarios to extract: those named on the command line in their order, each once, or
// all of them in table order.
class TChosenScenarios {
public:
    TChosenScenarios(const std::vector<std::string>& indexes, std::size_t count) : m_count(count) {
        std::vector<bool> named(indexes.empty() ? 0 : count);
        for (const auto& index : indexes) {
            const std::size_t position = EntryPosition(index, count);
            if (!named[position])
                m_named.push_back(position);
            named[position] = true;
        }
        m_all = indexes.empty();
    }

    std::size_t Size() const { return m_all ? m_count : m_named.size(); }
    std::size_t operator[](std::size_t i) const { return m_all ? i : m_named[i]; }

private:
    std::size_t m_count;
    bool m_all = false;
    std::vector<std::size_t> m_named;
};

// Visits each chosen scenario with its record and the file it goes to, named as the editor's
// Save All names it. The same every time it is called.
template <typename Visit>
void forEachTarget(const TInputFile& file, const TChosenScenarios& chosen,
                   const std::filesystem::path& folder, const TTextCodec& codec, Visit visit) {
    TExtractNames names(folder, chosen.Size(), codec);
    for (std::size_t i = 0; i < chosen.Size(); ++i) {
        const TTableEntry entry = ReadTableEntry(file, static_cast<std::int64_t>(chosen[i]));
        visit(entry, names.Next(entry.FileName, chosen[i]));
    }
}

} // namespace

// Lists in two passes over the table, the first only checking it, so that a damaged table
// prints nothing but the error and memory stays small however many scenarios there are.
int RunList(const TCommandContext& context) {
    const TInputFile file(context.Campaign());
    const TCampaignHead head = ReadCheckedCampaignHead(file);
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

    out << "Title: " << Printable(title) << "\n";
    // Rows are aligned a block at a time: a block's widths come from its own rows.
    std::vector<TListRow> rows{{"#", "Name", "File name", "Offset", "Size", "Version"}};
    ForEachTableEntry(file, head.Count, [&](TTableEntry&& entry) {
        rows.push_back({std::to_string(++index), Printable(context.Codec.ToUnicode(entry.Name)),
                        Printable(context.Codec.ToUnicode(entry.FileName)),
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

// Memory stays small however many scenarios the table holds: records are read as they are
// needed, and of the names handed out only a hash is kept.
int RunExtract(const TCommandContext& context) {
    const TInputFile file(context.Campaign());
    const TCampaignHead head = ReadCheckedCampaignHead(file);
    const TChosenScenarios chosen({context.Args.Positional.begin() + 1, context.Args.Positional.end()},
                                  static_cast<std::size_t>(head.Count));

    const std::filesystem::path folder = context.Args.Value("--output", ".");
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error))
        throw ECampaignError("Cannot create folder " + folder.string());

    const bool force = context.Args.Has("--force");
    if (!force)
        forEachTarget(file, chosen, folder, context.Codec,
                      [](const TTableEntry&, const std::filesystem::path& target) {
                          if (struct stat status {}; ::lstat(target.c_str(), &status) == 0)
                              throw ECampaignError(target.string() +
                                                   " already exists (--force replaces it)");
                      });

    forEachTarget(file, chosen, folder, context.Codec,
                  [&](const TTableEntry& entry, const std::filesystem::path& target) {
                      TAtomicFile output(target, TAtomicFile::TLinks::Replace);
                      output.CopyFrom(file, entry.Offset, entry.Size);
                      output.Commit(force);
                      context.Out << reportedPath(target.string()) << "\n";
                  });
    return 0;
}

int RunCheck(const TCommandContext& context) {
    const std::string name = Printable(context.Campaign().string());
    std::int64_t findings = 0;
    const std::int64_t count = CheckCampaign(context.Campaign(), [&](const TCampaignFinding& finding) {
        context.Out << name << ": " << finding.Text << "\n";
        ++findings;
    });
    if (findings > 0)
        return 1;
    context.Out << name << ": no problems found (" << count << " scenarios)\n";
    return 0;
}
