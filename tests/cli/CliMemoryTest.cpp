// Memory of the commands against the length of the entry table: every command streams the
// table, so ten times the records must not cost more memory. Allocations are counted by
// replacing the global operator new and delete for this test program.
#include "Commands.h"

#include "TempFolder.h"

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <new>
#include <ostream>
#include <unistd.h>

namespace {

std::atomic<std::size_t> allocated{0};
std::atomic<std::size_t> peak{0};

void* counted(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    const std::size_t now = allocated += malloc_usable_size(block);
    for (std::size_t seen = peak; now > seen && !peak.compare_exchange_weak(seen, now);)
        ;
    return block;
}

void released(void* block) {
    if (!block)
        return;
    allocated -= malloc_usable_size(block);
    std::free(block);
}

} // namespace

void* operator new(std::size_t size) { return counted(size); }
void* operator new[](std::size_t size) { return counted(size); }
void operator delete(void* block) noexcept { released(block); }
void operator delete[](void* block) noexcept { released(block); }
void operator delete(void* block, std::size_t) noexcept { released(block); }
void operator delete[](void* block, std::size_t) noexcept { released(block); }

namespace {

// A campaign of `records` records of empty payloads, sparse on disk.
void writeZeroRecordCampaign(const std::filesystem::path& path, std::int32_t records) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    unsigned char header[264] = {'1', '.', '0', '0'};
    for (int i = 0; i < 4; ++i)
        header[260 + i] = static_cast<unsigned char>(static_cast<std::uint32_t>(records) >> (8 * i));
    ASSERT_EQ(::write(fd, header, sizeof header), 264);
    ASSERT_EQ(::ftruncate(fd, 264 + 520 * static_cast<off_t>(records)), 0);
    ::close(fd);
}

// The most memory the command held at once beyond what was held before it.
std::size_t peakOf(const std::vector<std::string>& arguments) {
    std::ostream discard(nullptr);
    const std::size_t before = allocated;
    peak = before;
    const int status = RunCli(arguments, discard, discard);
    EXPECT_EQ(status, 0) << arguments.front();
    return peak - before;
}

} // namespace

TEST(CliMemory, TenTimesTheRecordsCostNoMoreMemory) {
    TempFolder folder;
    const std::string scenario = (folder / "New.scn").string();
    WriteBytes(scenario, std::vector<std::uint8_t>(100, 'x'));
    const auto peaks = [&](std::int32_t records) {
        const std::string campaign = (folder / "Zero.cpn").string();
        writeZeroRecordCampaign(campaign, records);
        const std::string last = std::to_string(records);
        const std::string output = (folder / "out").string();
        return std::vector<std::pair<std::string, std::size_t>>{
            {"list", peakOf({"list", campaign})},
            {"list --json", peakOf({"list", campaign, "--json"})},
            {"check", peakOf({"check", campaign})},
            {"extract", peakOf({"extract", campaign, "--output", output, "--force", last, "1"})},
            {"set-title", peakOf({"set-title", campaign, "Title"})},
            {"move", peakOf({"move", campaign, "1", last})},
            {"add", peakOf({"add", campaign, "--at", "2", scenario})},
            {"set-version", peakOf({"set-version", campaign, "2", "1.11"})},
            {"replace", peakOf({"replace", campaign, "3", scenario})},
            {"remove", peakOf({"remove", campaign, "1", "2"})},
        };
    };
    const auto small = peaks(4000);
    const auto large = peaks(40000);
    for (std::size_t i = 0; i < small.size(); ++i)
        EXPECT_LT(large[i].second, small[i].second + 512 * 1024)
            << large[i].first << ": " << small[i].second << " bytes for 4,000 records, "
            << large[i].second << " for 40,000";
}
