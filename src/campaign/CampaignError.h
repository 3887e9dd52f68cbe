#pragma once

#include <stdexcept>
#include <string>
#include <system_error>

// A failed file operation. The text is the one the user sees; the program's top-level
// handler shows it, so it carries the system's own wording ("Stream read error", ...).
// Where the failure belongs to one file, Detail tells it for the command line: that file
// and the system's reason ("Cannot write file out/Demo.scn: No space left on device").
class ECampaignError : public std::runtime_error {
public:
    explicit ECampaignError(const std::string& text) : std::runtime_error(text), m_detail(text) {}
    ECampaignError(const std::string& text, std::string detail)
        : std::runtime_error(text), m_detail(std::move(detail)) {}

    const std::string& Detail() const { return m_detail; }

private:
    std::string m_detail;
};

namespace CampaignErrors {

// The system's text for an error number, or the reason given.
inline std::string Reason(int errorNumber) {
    return std::generic_category().message(errorNumber);
}

inline ECampaignError CannotOpen(const std::string& path, const std::string& reason) {
    return ECampaignError("Cannot open file " + path, "Cannot open file " + path + ": " + reason);
}
inline ECampaignError CannotCreate(const std::string& path, const std::string& reason) {
    return ECampaignError("Cannot create file " + path,
                          "Cannot create file " + path + ": " + reason);
}
// A payload or table the file does not hold: the file's content is at fault, not the system.
inline ECampaignError StreamRead() {
    return ECampaignError("Stream read error");
}
inline ECampaignError StreamRead(const std::string& path, int errorNumber) {
    return ECampaignError("Stream read error",
                          "Cannot read file " + path + ": " + Reason(errorNumber));
}
inline ECampaignError StreamWrite(const std::string& path, int errorNumber) {
    return ECampaignError("Stream write error",
                          "Cannot write file " + path + ": " + Reason(errorNumber));
}

} // namespace CampaignErrors
