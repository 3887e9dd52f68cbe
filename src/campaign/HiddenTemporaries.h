#pragma once

#include <filesystem>
#include <string>

// Temporary files under short hidden names: for file systems without unnamed files, and for
// the moment between naming a finished unnamed file and renaming it over its target. A name
// is always ".brindlewick", a DEL character and eight letters, so it fits wherever the file
// it stands in for fits, and no other file of the program's can have it: the DEL is a
// control character, which a stored name loses when it is extracted. A writer holds a lock
// on its file for as long as it is open; such a file that nobody holds was left by a writer
// that was killed, and the next writer in that folder removes it.
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
