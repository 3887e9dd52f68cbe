#include "CodePageChoice.h"

#include "CampaignError.h"
#include "TextCodec.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>

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

std::string UserCodePage() {
    const std::filesystem::path path = SettingsFilePath();
    std::ifstream settings(path);
    const std::optional<std::string> chosen = settings ? CodePageSetting(settings) : std::nullopt;
    if (!chosen)
        return LocaleCodePage();
    try {
        TTextCodec check(*chosen);
    } catch (const ECampaignError&) {
        throw ECampaignError(path.string() + ": unknown code page \"" + *chosen + "\"");
    }
    return *chosen;
}
