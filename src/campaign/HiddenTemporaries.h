#pragma once

#include <filesystem>
#include <string>

// Temporary files under short hidden names, for file systems without unnamed files. A name
// is always ".brindlewick-" and eight letters, so it fits wherever the file it stands in for
// fits. A writer holds a lock on its file for as long as it is open; a file that nobody
// holds was left by a writer that was killed, and the next writer in that folder removes it.
namespace HiddenTemporaries {

std::string NewName();

// Creates a new hidden file in folder, open for writing and locked; sets path. Returns the
// descriptor, or -1 with errno set.
int Create(const std::filesystem::path& folder, std::filesystem::path& path);

// Removes the hidden files in folder that no living writer holds and that are older than a
// minute (a younger one may belong to a writer that has not locked it yet). Each folder is
// looked at once per process.
void RemoveAbandoned(const std::filesystem::path& folder);

} // namespace HiddenTemporaries
