#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// Wrong use of the command line: exit code 2 with the message and the usage line.
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a command accepts besides its positional arguments.
struct TOptionSet {
    std::set<std::string> WithValue; // "--output DIR"
    std::set<std::string> Flags;     // "--force"
};

struct TArguments {
    std::vector<std::string> Positional;
    std::map<std::string, std::string> Values;
    std::set<std::string> Flags;

    bool Has(const std::string& flag) const { return Flags.count(flag) != 0; }
    std::string Value(const std::string& option, const std::string& fallback) const;
};

// Splits arguments into options and positional ones. "--name=value" and "--name value" both
// work; "--" ends the options. Unknown options are a usage error.
TArguments ParseArguments(const std::vector<std::string>& arguments, const TOptionSet& accepted);

// A 1-based index as typed: digits only, at least 1.
std::size_t ParseIndex(const std::string& text);
