#include "CampaignCheck.h"

#include "Campaign.h"
#include "FileFormat.h"
#include "FileIO.h"
#include "ScenarioPayload.h"
#include "Utils.h"

#include <algorithm>
#include <array>
#include <optional>
#include <queue>

namespace {

constexpr std::int64_t RecordsPerRead = 1024;

struct PayloadRange {
    std::int32_t Offset;
    std::int32_t Size;
    std::int32_t Index;

    std::int64_t End() const { return std::int64_t{Offset} + Size; }
};

// Ranges are visited in the order of their offsets, equal offsets in table order.
bool comesBefore(const PayloadRange& a, const PayloadRange& b) {
    return a.Offset < b.Offset || (a.Offset == b.Offset && a.Index < b.Index);
}

template <std::size_t N> bool hasTerminator(const std::array<std::uint8_t, N>& field) {
    // A text that fills its whole field reads back one byte short; one that ends with a zero
    // in the field's last byte reads back whole.
    return std::find(field.begin(), field.end(), std::uint8_t{0}) != field.end();
}

std::string scenario(std::int64_t index) {
    return "scenario " + std::to_string(index + 1);
}

TCampaignFinding about(std::int64_t index, std::string text) {
    return {std::move(text), index};
}

TCampaignFinding general(std::string text) {
    return {std::move(text), std::nullopt};
}

// The scenarios' versions in table order: a scenario of neither game is named as it comes,
// and a campaign whose scenarios are for both games (a 1.18 scenario beside 1.10 or 1.11
// ones: no game plays them all) once, at the first scenario for the other game.
class VersionFindings {
public:
    explicit VersionFindings(const TFindingSink& found) : m_found(found) {}

    void Visit(std::int64_t index, std::optional<TScenarioVersion> version) {
        if (!version) {
            m_found(about(index, scenario(index) +
                                     " has no version text of either game (1.10, 1.11 or 1.18)"));
            return;
        }
        const bool expansion = *version == TScenarioVersion::Expansion118;
        if (!m_first) {
            m_first = {index, *version};
        } else if (!m_mixReported && expansion != (m_first->second == TScenarioVersion::Expansion118)) {
            m_found(about(index, scenario(index) + " (" + VersionText(*version) + ") and " +
                                     scenario(m_first->first) + " (" +
                                     VersionText(m_first->second) +
                                     ") are for different games: no game plays both"));
            m_mixReported = true;
        }
    }

private:
    const TFindingSink& m_found;
    std::optional<std::pair<std::int64_t, TScenarioVersion>> m_first;
    bool m_mixReported = false;
};

std::string byteRange(std::int64_t from, std::int64_t to) {
    return std::to_string(to - from) + " unused bytes at " + OffsetText(from) + "-" +
           OffsetText(to - 1);
}

// Reads the first `count` records a chunk at a time.
template <typename Visit>
void forEachRecord(const TInputFile& file, std::int64_t count, Visit visit) {
    std::vector<std::uint8_t> chunk;
    for (std::int64_t start = 0; start < count; start += RecordsPerRead) {
        const std::int64_t records = std::min(RecordsPerRead, count - start);
        chunk.resize(static_cast<std::size_t>(records * CampaignFormat::RecordSize));
        file.ReadAt(CampaignFormat::PayloadStart(start), chunk);
        for (std::int64_t i = 0; i < records; ++i) {
            const auto bytes = std::span(chunk)
                                   .subspan(static_cast<std::size_t>(i * CampaignFormat::RecordSize))
                                   .template first<CampaignFormat::RecordSize>();
            visit(start + i, DecodeRecord(bytes));
        }
    }
}

std::optional<PayloadRange> payloadRange(std::int64_t index, const TScenarioRecord& record,
                                         std::int64_t fileLength) {
    if (record.Offset < 0 || record.Size <= 0 ||
        std::int64_t{record.Offset} + record.Size > fileLength)
        return std::nullopt;
    return PayloadRange{record.Offset, record.Size, static_cast<std::int32_t>(index)};
}

// Keeps the `limit` first ranges of those offered, in a heap whose top is the last.
class FirstRanges {
public:
    explicit FirstRanges(std::size_t limit) : m_limit(std::max<std::size_t>(limit, 1)) {}

    void Offer(const PayloadRange& range) {
        m_heap.push(range);
        if (m_heap.size() > m_limit)
            m_heap.pop();
    }
    std::vector<PayloadRange> TakeSorted() {
        std::vector<PayloadRange> sorted(m_heap.size());
        for (auto at = sorted.rbegin(); at != sorted.rend(); ++at) {
            *at = m_heap.top();
            m_heap.pop();
        }
        return sorted;
    }

private:
    std::size_t m_limit;
    std::priority_queue<PayloadRange, std::vector<PayloadRange>, decltype(&comesBefore)> m_heap{
        comesBefore};
};

// Walks the payload ranges in offset order and reports overlaps and bytes nothing covers.
class PayloadAreaSweep {
public:
    PayloadAreaSweep(std::int64_t tableEnd, const TFindingSink& found)
        : m_tableEnd(tableEnd), m_covered(tableEnd), m_found(found) {}

    void Visit(const PayloadRange& range) {
        if (range.Offset < m_tableEnd)
            m_found(about(range.Index, "the payload of " + scenario(range.Index) +
                                           " starts inside the header or the entry table"));
        else if (range.Offset < m_covered && m_reachingIndex >= 0)
            m_found(about(range.Index, "the payloads of " + scenario(m_reachingIndex) + " and " +
                                           scenario(range.Index) + " overlap"));
        else if (range.Offset > m_covered)
            m_found(general(byteRange(m_covered, range.Offset)));
        if (range.End() > m_covered) {
            m_covered = range.End();
            m_reachingIndex = range.Index;
        }
    }

    void Finish(std::int64_t fileLength) {
        if (fileLength > m_covered)
            m_found(general(std::to_string(fileLength - m_covered) +
                            " bytes after the last payload"));
    }

private:
    std::int64_t m_tableEnd;
    std::int64_t m_covered;
    std::int64_t m_reachingIndex = -1; // the range that reaches furthest so far
    const TFindingSink& m_found;
};

using TVersionBytes = std::array<std::uint8_t, 4>;

std::optional<TScenarioVersion> versionOf(const TVersionBytes& text) {
    return ParseVersionText(
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

// The version text a payload starts with, when it is one of the known ones.
std::optional<TScenarioVersion> versionAt(const TInputFile& file, const PayloadRange& range) {
    TVersionBytes text{};
    if (range.Size < static_cast<std::int32_t>(text.size()))
        return std::nullopt;
    file.ReadAt(range.Offset, text);
    return versionOf(text);
}

} // namespace

std::int64_t CheckCampaign(const std::filesystem::path& path, const TFindingSink& found,
                           std::size_t rangesInMemory) {
    const TInputFile file(path);
    if (file.Length() < CampaignFormat::HeaderSize) {
        found(general("the file is shorter than the 264-byte header"));
        return 0;
    }
    THeaderBytes headerBytes;
    file.ReadAt(0, headerBytes);
    const TCampaignHeader header = DecodeHeader(headerBytes);
    if (header.Version != CampaignFormat::Version) {
        found(general("the version text is not 1.00"));
        return 0;
    }
    if (!hasTerminator(header.Title))
        found(general("the title fills its field without a zero byte"));
    if (header.Count < 0)
        found(general("the entry count is negative (" + std::to_string(header.Count) + ")"));

    const std::int64_t announced = std::max<std::int32_t>(header.Count, 0);
    const std::int64_t present = std::min(announced, (file.Length() - CampaignFormat::HeaderSize) /
                                                         CampaignFormat::RecordSize);
    if (present < announced)
        found(general("the entry table is cut short: " + std::to_string(present) + " of " +
                      std::to_string(announced) + " records are in the file"));

    // The first pass looks at each record and keeps the first ranges in offset order; each
    // further pass, needed only for tables of more than rangesInMemory payloads, the next ones.
    FirstRanges first(rangesInMemory);
    std::int64_t rangeCount = 0;
    VersionFindings versions(found);
    forEachRecord(file, present, [&](std::int64_t index, const TScenarioRecord& record) {
        if (!hasTerminator(record.Name))
            found(about(index, "the name of " + scenario(index) +
                                   " fills its field without a zero byte"));
        if (!hasTerminator(record.FileName))
            found(about(index, "the file name of " + scenario(index) +
                                   " fills its field without a zero byte"));
        if (record.Offset < 0 || record.Size < 0)
            found(about(index, scenario(index) + " has a negative offset or size"));
        // An empty payload is read from nowhere, wherever its offset points.
        else if (record.Size > 0 && std::int64_t{record.Offset} + record.Size > file.Length())
            found(about(index, "the payload of " + scenario(index) +
                                   " reaches past the end of the file"));
        // A payload that is empty or not in the file has no version to look at.
        if (const auto range = payloadRange(index, record, file.Length())) {
            versions.Visit(index, versionAt(file, *range));
            first.Offer(*range);
            ++rangeCount;
        }
    });

    PayloadAreaSweep sweep(CampaignFormat::PayloadStart(present), found);
    std::vector<PayloadRange> ranges = first.TakeSorted();
    for (std::int64_t swept = 0;;) {
        for (const auto& range : ranges)
            sweep.Visit(range);
        swept += static_cast<std::int64_t>(ranges.size());
        if (swept >= rangeCount || ranges.empty())
            break;
        const PayloadRange last = ranges.back();
        FirstRanges next(rangesInMemory);
        forEachRecord(file, present, [&](std::int64_t index, const TScenarioRecord& record) {
            const auto range = payloadRange(index, record, file.Length());
            if (range && comesBefore(last, *range))
                next.Offer(*range);
        });
        ranges = next.TakeSorted();
    }
    sweep.Finish(file.Length());
    return present;
}

TCampaignReport CheckCampaign(const std::filesystem::path& path) {
    TCampaignReport report;
    report.Count = CheckCampaign(
        path, [&](const TCampaignFinding& finding) { report.Findings.push_back(finding); });
    return report;
}

TCampaignReport CheckCampaign(const TCampaign& campaign) {
    TCampaignReport report;
    report.Count = static_cast<std::int64_t>(campaign.Count());
    const TFindingSink found = [&](const TCampaignFinding& finding) {
        report.Findings.push_back(finding);
    };
    VersionFindings versions(found);
    for (std::size_t index = 0; index < campaign.Count(); ++index) {
        const TScenario& payload = *campaign.Entry(index).Scenario;
        if (payload.Size == 0)
            continue;
        const bool hasText = payload.Size >= static_cast<std::int64_t>(TVersionBytes().size());
        versions.Visit(static_cast<std::int64_t>(index),
                       hasText ? versionOf(VersionTextOf(payload)) : std::nullopt);
    }
    return report;
}

std::vector<std::string> TCampaignReport::Texts() const {
    std::vector<std::string> texts;
    for (const TCampaignFinding& finding : Findings)
        texts.push_back(finding.Text);
    return texts;
}
