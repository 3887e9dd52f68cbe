#include "Arguments.h"

#include <algorithm>
#include <cctype>

std::string TArguments::Value(const std::string& option, const std::string& fallback) const {
    const auto found = Values.find(option);
    return found == Values.end() ? fallback : found->second;
}

TArguments ParseArguments(const std::vector<std::string>& arguments, const TOptionSet& accepted) {
    TArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            parsed.Positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (accepted.Flags.count(name)) {
            if (equals != std::string::npos)
                throw EUsageError("option " + name + " takes no value");
            parsed.Flags.insert(name);
        } else if (accepted.WithValue.count(name)) {
            if (equals != std::string::npos)
                parsed.Values[name] = argument.substr(equals + 1);
            else if (i + 1 < arguments.size())
                parsed.Values[name] = arguments[++i];
            else
                throw EUsageError("option " + name + " needs a value");
        } else {
            throw EUsageError("unknown option " + name);
        }
    }
    return parsed;
}

std::size_t ParseIndex(const std::string& text) {
    const bool digits =
        !text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
    const std::size_t index = digits ? std::stoul(text) : 0;
    if (index == 0)
        throw EUsageError("not a scenario index: " + text);
    return index;
}
