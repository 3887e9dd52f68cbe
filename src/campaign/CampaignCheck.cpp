#include "CampaignCheck.h"

#include "FileFormat.h"
#include "FileIO.h"
#include "Utils.h"

#include <algorithm>
#include <array>

namespace {

struct PayloadRange {
    std::int64_t Offset;
    std::int64_t Size;
    std::int64_t Index;
};

// A text that fills its whole field reads back one byte short; one that ends with a zero in
// the field's last byte reads back whole.
template <std::size_t N> bool hasTerminator(const std::array<std::uint8_t, N>& field) {
    return std::find(field.begin(), field.end(), std::uint8_t{0}) != field.end();
}

std::string scenario(std::int64_t index) {
    return "scenario " + std::to_string(index + 1);
}

std::string byteRange(std::int64_t from, std::int64_t to) {
    return std::to_string(to - from) + " unused bytes at " + OffsetText(from) + "-" +
           OffsetText(to - 1);
}

void checkPayloadArea(const std::vector<PayloadRange>& ranges, std::int64_t tableEnd,
                      std::int64_t fileLength, std::vector<std::string>& findings) {
    std::vector<PayloadRange> sorted;
    std::copy_if(ranges.begin(), ranges.end(), std::back_inserter(sorted),
                 [](const PayloadRange& r) { return r.Size > 0; });
    std::sort(sorted.begin(), sorted.end(), [](const PayloadRange& a, const PayloadRange& b) {
        return a.Offset < b.Offset || (a.Offset == b.Offset && a.Index < b.Index);
    });

    std::int64_t covered = tableEnd;
    const PayloadRange* reaching = nullptr;
    for (const auto& range : sorted) {
        if (range.Offset < tableEnd)
            findings.push_back("the payload of " + scenario(range.Index) +
                               " starts inside the header or the entry table");
        else if (range.Offset < covered && reaching)
            findings.push_back("the payloads of " + scenario(reaching->Index) + " and " +
                               scenario(range.Index) + " overlap");
        else if (range.Offset > covered)
            findings.push_back(byteRange(covered, range.Offset));
        if (range.Offset + range.Size > covered) {
            covered = range.Offset + range.Size;
            reaching = &range;
        }
    }
    if (fileLength > covered)
        findings.push_back(std::to_string(fileLength - covered) + " bytes after the last payload");
}

} // namespace

TCampaignReport CheckCampaign(const std::filesystem::path& path) {
    const TInputFile file(path);
    TCampaignReport report;
    auto& findings = report.Findings;

    if (file.Length() < CampaignFormat::HeaderSize) {
        findings.push_back("the file is shorter than the 264-byte header");
        return report;
    }
    THeaderBytes headerBytes;
    file.ReadAt(0, headerBytes);
    const TCampaignHeader header = DecodeHeader(headerBytes);
    if (header.Version != CampaignFormat::Version) {
        findings.push_back("the version text is not 1.00");
        return report;
    }
    if (!hasTerminator(header.Title))
        findings.push_back("the title fills its field without a zero byte");
    if (header.Count < 0)
        findings.push_back("the entry count is negative (" + std::to_string(header.Count) + ")");

    const std::int64_t announced = std::max<std::int32_t>(header.Count, 0);
    const std::int64_t present = std::min(announced, (file.Length() - CampaignFormat::HeaderSize) /
                                                         CampaignFormat::RecordSize);
    report.Count = present;
    if (present < announced)
        findings.push_back("the entry table is cut short: " + std::to_string(present) + " of " +
                           std::to_string(announced) + " records are in the file");

    std::vector<PayloadRange> ranges;
    TRecordBytes bytes;
    for (std::int64_t i = 0; i < present; ++i) {
        file.ReadAt(CampaignFormat::PayloadStart(i), bytes);
        const TScenarioRecord record = DecodeRecord(bytes);
        if (!hasTerminator(record.Name))
            findings.push_back("the name of " + scenario(i) +
                               " fills its field without a zero byte");
        if (!hasTerminator(record.FileName))
            findings.push_back("the file name of " + scenario(i) +
                               " fills its field without a zero byte");
        if (record.Offset < 0 || record.Size < 0)
            findings.push_back(scenario(i) + " has a negative offset or size");
        else if (static_cast<std::int64_t>(record.Offset) + record.Size > file.Length())
            findings.push_back("the payload of " + scenario(i) +
                               " reaches past the end of the file");
        else
            ranges.push_back({record.Offset, record.Size, i});
    }
    checkPayloadArea(ranges, CampaignFormat::PayloadStart(present), file.Length(), findings);
    return report;
}
