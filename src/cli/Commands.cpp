#include "Commands.h"

#include "CampaignError.h"
#include "CodePageChoice.h"
#include "CommandContext.h"
#include "TerminalText.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <ostream>
#include <set>

namespace {

constexpr std::size_t Unlimited = std::numeric_limits<std::size_t>::max();

constexpr const char* SomeEncodingNames =
    "windows-1252, windows-1250, windows-1251, ISO-8859-1, GBK, BIG5, SHIFT_JIS, UTF-8";

struct TCommand {
    const char* Name;
    const char* Usage;
    TOptionSet Options;
    std::size_t MinPositional;
    std::size_t MaxPositional;
    int (*Run)(const TCommandContext&);
};

constexpr const char* VersionLine = "brindlewick-cli " BRINDLEWICK_VERSION "\n";

const std::vector<TCommand>& commands() {
    static const std::vector<TCommand> table = {
        {"list", "list <campaign> [--json]", {{}, {"--json"}}, 1, 1, RunList},
        {"extract",
         "extract <campaign> [--output DIR] [--force] [INDEX...]",
         {{"--output"}, {"--force"}},
         1,
         Unlimited,
         RunExtract},
        {"create",
         "create <campaign> [--title TEXT] [--force] <scenario>...",
         {{"--title"}, {"--force"}},
         1,
         Unlimited,
         RunCreate},
        {"add", "add <campaign> [--at INDEX] <scenario>...", {{"--at"}, {}}, 2, Unlimited, RunAdd},
        {"remove", "remove <campaign> <INDEX>...", {}, 2, Unlimited, RunRemove},
        {"replace", "replace <campaign> <INDEX> <scenario>", {}, 3, 3, RunReplace},
        {"move", "move <campaign> <FROM> <TO>", {}, 3, 3, RunMove},
        {"set-version",
         "set-version <campaign> <INDEX|all> <1.10|1.11|1.18>",
         {},
         3,
         3,
         RunSetVersion},
        {"set-title", "set-title <campaign> <TEXT>", {}, 2, 2, RunSetTitle},
        {"rename",
         "rename <campaign> <INDEX> <NAME> [--file-name NAME]",
         {{"--file-name"}, {}},
         3,
         3,
         RunRename},
        {"check", "check <campaign>", {}, 1, 1, RunCheck},
    };
    return table;
}

const TOptionSet& commonOptions() {
    static const TOptionSet options{{"--encoding"}, {"--help", "--version"}};
    return options;
}

TOptionSet withCommonOptions(TOptionSet options) {
    options.WithValue.insert(commonOptions().WithValue.begin(), commonOptions().WithValue.end());
    options.Flags.insert(commonOptions().Flags.begin(), commonOptions().Flags.end());
    return options;
}

// The settings file as --help names it: under ~ when it lies in the home folder.
std::string settingsFileShown() {
    const std::string path = SettingsFilePath().string();
    const char* home = std::getenv("HOME");
    const std::string homeFolder = home && *home ? std::string(home) + "/" : std::string();
    if (!homeFolder.empty() && path.compare(0, homeFolder.size(), homeFolder) == 0)
        return "~/" + path.substr(homeFolder.size());
    return path;
}

void printHelp(std::ostream& out) {
    out << "Usage: brindlewick-cli <command> [options] <arguments>\n"
           "Edits Quorvane and Meltharn campaign files (*.cpn, *.cpx). Indexes count from 1.\n\n"
           "Commands:\n";
    for (const auto& command : commands())
        out << "  brindlewick-cli " << command.Usage << "\n";
    out << "\nCommon options:\n"
           "  --encoding NAME  code page of titles and names (default: CodePage in\n"
           "                   "
        << settingsFileShown()
        << ", else the locale's\n"
           "                   Windows code page, such as windows-1252)\n"
           "  --help           show this help\n"
           "  --version        show the program's version\n\n"
           "Exit codes: 0 success, 1 failure, 2 wrong usage.\n";
}

// Every message names what it is about as given on the command line, which may hold
// control characters: they are shown as the listing shows them.
void printError(std::ostream& err, const std::string& message) {
    err << "brindlewick-cli: " << Printable(message) << "\n";
}

int usageError(std::ostream& err, const std::string& message, const char* usage) {
    printError(err, message);
    if (usage)
        err << "usage: brindlewick-cli " << usage << "\n";
    else
        err << "Try 'brindlewick-cli --help'.\n";
    return 2;
}

// Where the command stands: the first word that is no option, options before it being allowed
// too; arguments.size() when there is none.
std::size_t commandPosition(const std::vector<std::string>& arguments) {
    std::set<std::string> withValue = commonOptions().WithValue;
    for (const auto& command : commands())
        withValue.insert(command.Options.WithValue.begin(), command.Options.WithValue.end());
    std::size_t i = 0;
    while (i < arguments.size() && arguments[i].size() >= 2 &&
           arguments[i].compare(0, 2, "--") == 0) {
        if (arguments[i] == "--")
            return i + 1;
        i += withValue.count(arguments[i]) && i + 1 < arguments.size() ? 2 : 1;
    }
    return i;
}

const TCommand* findCommand(const std::string& name) {
    const auto& table = commands();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const TCommand& command) { return name == command.Name; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace

std::size_t EntryPosition(const std::string& index, std::size_t count) {
    const std::size_t number = ParseIndex(index);
    if (number > count)
        throw ECampaignError("there is no scenario " + index + ": the campaign holds " +
                             std::to_string(count));
    return number - 1;
}

std::size_t InsertPosition(const std::string& index, std::size_t count) {
    const std::size_t number = ParseIndex(index);
    if (number > count + 1)
        throw ECampaignError("cannot insert at " + index + ": the campaign holds " +
                             std::to_string(count));
    return number - 1;
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const std::size_t at = commandPosition(arguments);
    const TCommand* command = at < arguments.size() ? findCommand(arguments[at]) : nullptr;
    if (!command) {
        try {
            const TArguments global =
                ParseArguments({arguments.begin(), arguments.begin() + static_cast<std::ptrdiff_t>(at)},
                               commonOptions());
            if (global.Has("--version")) {
                out << VersionLine;
                return 0;
            }
            if (global.Has("--help")) {
                printHelp(out);
                return 0;
            }
        } catch (const EUsageError&) {
        }
        if (at == arguments.size())
            return usageError(err, "no command given", nullptr);
        return usageError(err, "unknown command " + arguments[at], nullptr);
    }

    std::vector<std::string> rest = arguments;
    rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(at));
    TArguments parsed;
    try {
        parsed = ParseArguments(rest, withCommonOptions(command->Options));
    } catch (const EUsageError& error) {
        return usageError(err, error.what(), command->Usage);
    }
    if (parsed.Has("--help")) {
        out << "usage: brindlewick-cli " << command->Usage << "\n";
        return 0;
    }
    if (parsed.Has("--version")) {
        out << VersionLine;
        return 0;
    }
    if (parsed.Positional.size() < command->MinPositional)
        return usageError(err, "missing arguments", command->Usage);
    if (parsed.Positional.size() > command->MaxPositional)
        return usageError(err, "too many arguments", command->Usage);

    std::unique_ptr<TTextCodec> codec;
    if (const auto encoding = parsed.Values.find("--encoding"); encoding != parsed.Values.end()) {
        if (encoding->second.empty())
            return usageError(err, "option --encoding needs a value", command->Usage);
        try {
            codec = std::make_unique<TTextCodec>(encoding->second);
        } catch (const ECampaignError&) {
            return usageError(err,
                              "unknown encoding " + encoding->second + " (known names include " +
                                  SomeEncodingNames + ")",
                              command->Usage);
        }
    } else {
        // The settings file is read only when the command line names no code page; its
        // message names the settings file, not the campaign.
        try {
            codec = std::make_unique<TTextCodec>(UserCodePage([&](const std::string& warning) {
                err << "brindlewick-cli: " << warning << "; the code page follows the locale\n";
            }));
        } catch (const ECampaignError& error) {
            err << "brindlewick-cli: " << error.what() << "\n";
            return 1;
        }
    }
    try {
        return command->Run(TCommandContext{parsed, *codec, out, err});
    } catch (const EUsageError& error) {
        return usageError(err, error.what(), command->Usage);
    } catch (const ECampaignError& error) {
        // Told with the file that failed and the system's reason, which the editor's texts
        // leave out.
        printError(err, parsed.Positional.front() + ": " + error.Detail());
        return 1;
    } catch (const std::filesystem::filesystem_error& error) {
        // The library's own wording ("filesystem error: symlink_status: ...") is not for the
        // user; the system's message for the error is.
        printError(err, parsed.Positional.front() + ": " + error.code().message());
        return 1;
    } catch (const std::exception& error) {
        printError(err, parsed.Positional.front() + ": " + error.what());
        return 1;
    }
}
