#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

// Which code page the titles and names of campaign files are in, when the user has not said:
// the one Windows would use as its ANSI code page for the user's language, so that a player
// reads the same names the game shows.

// The Windows ANSI code page for a POSIX locale name such as "ru_RU.UTF-8" or
// "sr_RS@latin": 936 simplified Chinese, 950 traditional Chinese, 932 Japanese, 949 Korean,
// 1251 Cyrillic, 1250 Central European, 1253 Greek, 1254 Turkish, 1255 Hebrew, 1256 Arabic,
// 1257 Baltic, 1258 Vietnamese, 874 Thai, 1252 for everything else (also "C" and "POSIX").
int AnsiCodePageForLocale(std::string_view locale);

// The iconv name of a Windows code page number: 1251 gives "WINDOWS-1251", 936 "CP936",
// 65001 "UTF-8", 20866 "KOI8-R", 28591 "ISO-8859-1".
std::string CodePageName(int codePage);

// The locale that rules character sets: the first set of LC_ALL, LC_CTYPE and LANG (each may
// be null or empty); "C" when none is.
std::string CharacterLocale(const char* lcAll, const char* lcCtype, const char* lang);

// The code page a settings file names on a line "CodePage=VALUE" (blanks allowed around both),
// VALUE being a Windows code page number (made an iconv name) or an iconv name; the last such
// line counts; nothing when no line has a value.
std::optional<std::string> CodePageSetting(std::istream& settings);

// $XDG_CONFIG_HOME/brindlewick/brindlewick.conf, or ~/.config/... when the variable is unset.
std::filesystem::path SettingsFilePath();

// The code page to use when none is given on the command line: the settings file's, else the
// locale's. A settings file that is there but cannot be read is passed to `warn` ("cannot
// read <file>: <reason>") and the locale decides. Throws ECampaignError naming the settings
// file when it names a code page that iconv does not know.
std::string UserCodePage(const std::function<void(const std::string&)>& warn);

// The code page the locale alone implies, as an iconv name.
std::string LocaleCodePage();
