#pragma once

#include <stdexcept>
#include <string>

// A failed file operation. The text is the one the user sees; the program's top-level
// handler shows it, so it carries the system's own wording ("Stream read error", ...).
class ECampaignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace CampaignErrors {

inline ECampaignError CannotOpen(const std::string& path) {
    return ECampaignError("Cannot open file " + path);
}
inline ECampaignError CannotCreate(const std::string& path) {
    return ECampaignError("Cannot create file " + path);
}
inline ECampaignError StreamRead() {
    return ECampaignError("Stream read error");
}
inline ECampaignError StreamWrite() {
    return ECampaignError("Stream write error");
}

} // namespace CampaignErrors
