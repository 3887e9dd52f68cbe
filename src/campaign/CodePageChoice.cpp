#include "CodePageChoice.h"

#include "CampaignError.h"
#include "TextCodec.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TLanguageCodePage {
    std::string_view Language;
    int CodePage;
};

// Languages whose Windows ANSI code page is not 1252. Chinese, Serbian and Uzbek depend on
// more than the language and are decided before this table.
constexpr TLanguageCodePage languageCodePages[] = {
    {"ja", 932},   {"ko", 949},   {"th", 874},   {"vi", 1258},  {"el", 1253},  {"he", 1255},
    {"yi", 1255},  {"tr", 1254},  {"az", 1254},  {"et", 1257},  {"lv", 1257},  {"lt", 1257},
    {"ar", 1256},  {"fa", 1256},  {"ur", 1256},  {"ps", 1256},  {"ug", 1256},  {"ckb", 1256},
    {"sd", 1256},  {"ru", 1251},  {"uk", 1251},  {"be", 1251},  {"bg", 1251},  {"mk", 1251},
    {"kk", 1251},  {"ky", 1251},  {"tt", 1251},  {"mn", 1251},  {"ba", 1251},  {"sah", 1251},
    {"tg", 1251},  {"cv", 1251},  {"os", 1251},  {"ce", 1251},  {"cs", 1250},  {"sk", 1250},
    {"pl", 1250},  {"hu", 1250},  {"sl", 1250},  {"hr", 1250},  {"ro", 1250},  {"sq", 1250},
    {"bs", 1250},  {"hsb", 1250}, {"dsb", 1250},
};

struct TCodePageName {
    int CodePage;
    std::string_view Name;
};

// Windows code pages whose iconv name is not "CP" and the number.
constexpr TCodePageName iconvNames[] = {
    {20127, "ASCII"},       {20866, "KOI8-R"},      {21866, "KOI8-U"},     {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},  {28593, "ISO-8859-3"},  {28594, "ISO-8859-4"}, {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},  {28597, "ISO-8859-7"},  {28598, "ISO-8859-8"}, {28599, "ISO-8859-9"},
    {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"}, {20932, "EUC-JP"},     {51932, "EUC-JP"},
    {51936, "EUC-CN"},      {51949, "EUC-KR"},      {54936, "GB18030"},    {50220, "ISO-2022-JP"},
    {50221, "ISO-2022-JP"}, {50222, "ISO-2022-JP"}, {50225, "ISO-2022-KR"}, {10000, "MACINTOSH"},
    {10029, "MAC-CENTRALEUROPE"}, {10079, "MAC-IS"}, {10017, "MACUKRAINIAN"}, {65000, "UTF-7"},
    {65001, "UTF-8"},
};

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool isSet(const char* value) {
    return value && *value;
}

} // namespace

int AnsiCodePageForLocale(std::string_view locale) {
    // language[_territory][.codeset][@modifier]
    std::string_view modifier;
    if (const auto at = locale.find('@'); at != std::string_view::npos) {
        modifier = locale.substr(at + 1);
        locale = locale.substr(0, at);
    }
    locale = locale.substr(0, locale.find('.'));
    const auto underscore = locale.find('_');
    const std::string language = lowered(locale.substr(0, underscore));
    const std::string territory =
        underscore == std::string_view::npos ? std::string() : lowered(locale.substr(underscore + 1));
    const std::string script = lowered(modifier);

    if (language == "zh")
        return territory == "tw" || territory == "hk" || territory == "mo" ? 950 : 936;
    if (language == "sr")
        return script == "latin" ? 1250 : 1251;
    if (language == "uz")
        return script == "cyrillic" ? 1251 : 1254;
    for (const TLanguageCodePage& entry : languageCodePages)
        if (entry.Language == language)
            return entry.CodePage;
    return 1252;
}

std::string CodePageName(int codePage) {
    for (const TCodePageName& entry : iconvNames)
        if (entry.CodePage == codePage)
            return std::string(entry.Name);
    if (codePage == 874 || (codePage >= 1250 && codePage <= 1258))
        return "WINDOWS-" + std::to_string(codePage);
    return "CP" + std::to_string(codePage);
}

std::string CharacterLocale(const char* lcAll, const char* lcCtype, const char* lang) {
    for (const char* value : {lcAll, lcCtype, lang})
        if (isSet(value))
            return value;
    return "C";
}

std::optional<std::string> CodePageSetting(std::istream& settings) {
    std::optional<std::string> result;
    std::string line;
    while (std::getline(settings, line)) {
        const std::string_view text = line;
        const auto equals = text.find('=');
        if (equals == std::string_view::npos || trimmed(text.substr(0, equals)) != "CodePage")
            continue;
        const std::string_view value = trimmed(text.substr(equals + 1));
        if (value.empty())
            continue;
        result = allDigits(value) && value.size() <= 5 ? CodePageName(std::stoi(std::string(value)))
                                                       : std::string(value);
    }
    return result;
}

std::filesystem::path SettingsFilePath() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path folder;
    if (isSet(configHome)) {
        folder = configHome;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(isSet(home) ? home : ".") / ".config";
    }
    return folder / "brindlewick" / "brindlewick.conf";
}

std::string LocaleCodePage() {
    return CodePageName(AnsiCodePageForLocale(
        CharacterLocale(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG"))));
}

namespace {

// Closes a descriptor when it goes.
struct TOpenDescriptor {
    int Descriptor;
    ~TOpenDescriptor() { ::close(Descriptor); }
};

std::runtime_error systemError() {
    return std::runtime_error(std::strerror(errno));
}

// The settings file's text; nothing when there is no such file. Throws std::runtime_error
// with the reason when the file is there but cannot be read.
std::optional<std::string> settingsText(const std::filesystem::path& path) {
    // Non-blocking, so that a FIFO put there by mistake cannot hang the program.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0 && errno == ENOENT)
        return std::nullopt;
    if (descriptor < 0)
        throw systemError();
    const TOpenDescriptor closing{descriptor};
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        throw systemError();
    if (S_ISDIR(status.st_mode))
        throw std::runtime_error(std::strerror(EISDIR));
    if (!S_ISREG(status.st_mode))
        throw std::runtime_error("not a regular file");
    std::string text;
    char buffer[4096];
    for (ssize_t count; (count = ::read(descriptor, buffer, sizeof buffer)) != 0;) {
        if (count < 0)
            throw systemError();
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return text;
}

} // namespace

std::string UserCodePage(const std::function<void(const std::string&)>& warn) {
    const std::filesystem::path path = SettingsFilePath();
    std::optional<std::string> text;
    try {
        text = settingsText(path);
    } catch (const std::runtime_error& error) {
        warn("cannot read " + path.string() + ": " + error.what());
    }
    std::istringstream settings(text.value_or(std::string()));
    const std::optional<std::string> chosen = CodePageSetting(settings);
    if (!chosen)
        return LocaleCodePage();
    try {
        TTextCodec check(*chosen);
    } catch (const ECampaignError&) {
        throw ECampaignError(path.string() + ": unknown code page \"" + *chosen + "\"");
    }
    return *chosen;
}
