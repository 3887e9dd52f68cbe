#pragma once

// Temporary files that must not outlive the process, even when it is interrupted: a signal
// that ends the program (Ctrl+C, a terminal closing, kill) first removes every temporary file
// still registered, so that no half-written file is left beside a campaign.
namespace TemporaryFiles {

// Returns a slot number, or -1 when all slots are taken (the file is then only removed by
// its owner, as usual).
int Register(const char* path);
void Unregister(int slot);

// Installs the handlers for SIGINT, SIGTERM and SIGHUP; the programs call it once at start.
void RemoveOnTermination();

} // namespace TemporaryFiles
