#pragma once

#include <stdexcept>
#include <string>

// A failed file operation. The text is the one the user sees; the program's top-level
// handler shows it, so it carries the system's own wording ("Stream read error", ...).
class TCampaignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace CampaignErrors {

inline TCampaignError CannotOpen(const std::string& path) {
    return TCampaignError("Cannot open file " + path);
}
inline TCampaignError CannotCreate(const std::string& path) {
    return TCampaignError("Cannot create file " + path);
}
inline TCampaignError StreamRead() {
    return TCampaignError("Stream read error");
}
inline TCampaignError StreamWrite() {
    return TCampaignError("Stream write error");
}

} // namespace CampaignErrors
