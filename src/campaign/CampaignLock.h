#pragma once

#include <chrono>
#include <filesystem>

// An advisory lock on a campaign file, held by whoever reads it to write it back (the
// command line's edits, the editor's save), from the read to the rename that replaces it, so
// that two writers never both succeed with one update lost. The lock is taken on the file
// that is at the path when it is granted: a writer that waited while another replaced the
// file locks the new one. A path where no regular file is (yet) is not locked.
class TCampaignLock {
public:
    static constexpr std::chrono::milliseconds DefaultWait{5000};

    // Waits up to `wait` for another writer to finish; then throws "Cannot lock file <path>:
    // another program is changing it".
    explicit TCampaignLock(const std::filesystem::path& campaign,
                           std::chrono::milliseconds wait = DefaultWait);
    ~TCampaignLock();
    TCampaignLock(const TCampaignLock&) = delete;
    TCampaignLock& operator=(const TCampaignLock&) = delete;

private:
    int m_fd = -1;
};
