#include "CodePageChoice.h"

#include "CampaignError.h"
#include "TempFolder.h"
#include "TextCodec.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

TEST(CodePageChoice, TheLocaleGivesTheCodePageWindowsWouldUse) {
    const struct {
        const char* Locale;
        int CodePage;
    } cases[] = {
        {"zh_CN.UTF-8", 936},  {"zh_SG.GB2312", 936}, {"zh_TW.UTF-8", 950},   {"zh_HK.Big5-HKSCS", 950},
        {"ja_JP.UTF-8", 932},  {"ko_KR.EUC-KR", 949}, {"ru_RU.UTF-8", 1251},  {"uk_UA", 1251},
        {"bg_BG.UTF-8", 1251}, {"sr_RS", 1251},       {"sr_RS@latin", 1250},  {"pl_PL.UTF-8", 1250},
        {"cs_CZ.UTF-8", 1250}, {"hu_HU", 1250},       {"el_GR.UTF-8", 1253},  {"tr_TR.UTF-8", 1254},
        {"uz_UZ", 1254},       {"uz_UZ@cyrillic", 1251}, {"he_IL.UTF-8", 1255}, {"ar_EG.UTF-8", 1256},
        {"fa_IR", 1256},       {"lt_LT.UTF-8", 1257}, {"lv_LV", 1257},        {"et_EE", 1257},
        {"vi_VN", 1258},       {"th_TH.UTF-8", 874},  {"en_US.UTF-8", 1252},  {"de_DE@euro", 1252},
        {"fr", 1252},          {"pt_BR.UTF-8", 1252}, {"C", 1252},            {"C.UTF-8", 1252},
        {"POSIX", 1252},       {"", 1252},            {"RU_ru.utf8", 1251},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(AnsiCodePageForLocale(entry.Locale), entry.CodePage) << entry.Locale;
}

TEST(CodePageChoice, EveryChosenCodePageIsOneIconvKnows) {
    for (const int codePage : {874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256,
                               1257, 1258})
        EXPECT_NO_THROW(TTextCodec{CodePageName(codePage)}) << CodePageName(codePage);
    EXPECT_EQ(CodePageName(1251), "WINDOWS-1251");
    EXPECT_EQ(CodePageName(936), "CP936");
}

TEST(CodePageChoice, WindowsNumbersOfOtherCodePagesGiveTheirIconvNames) {
    const struct {
        int CodePage;
        const char* Name;
    } cases[] = {
        {65001, "UTF-8"},       {20866, "KOI8-R"},      {21866, "KOI8-U"},  {28591, "ISO-8859-1"},
        {28595, "ISO-8859-5"},  {28605, "ISO-8859-15"}, {20127, "ASCII"},   {54936, "GB18030"},
        {51949, "EUC-KR"},      {20932, "EUC-JP"},      {10000, "MACINTOSH"}, {437, "CP437"},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(CodePageName(entry.CodePage), entry.Name);
        EXPECT_NO_THROW(TTextCodec{CodePageName(entry.CodePage)}) << entry.Name;
    }
}

TEST(CodePageChoice, LcAllThenLcCtypeThenLangRule) {
    EXPECT_EQ(CharacterLocale("ja_JP", "ru_RU", "el_GR"), "ja_JP");
    EXPECT_EQ(CharacterLocale("", "ru_RU", "el_GR"), "ru_RU");
    EXPECT_EQ(CharacterLocale(nullptr, nullptr, "el_GR"), "el_GR");
    EXPECT_EQ(CharacterLocale(nullptr, "", nullptr), "C");
}

TEST(CodePageChoice, TheSettingsLineNamesANumberOrAName) {
    const auto setting = [](const std::string& text) {
        std::istringstream in(text);
        return CodePageSetting(in);
    };
    EXPECT_EQ(setting("CodePage=1251\n"), "WINDOWS-1251");
    EXPECT_EQ(setting("[General]\r\nCodePage = 932 \r\n"), "CP932");
    EXPECT_EQ(setting("# my settings\n  CodePage= GBK \nOther=1\n"), "GBK");
    EXPECT_EQ(setting("CodePage=950\nCodePage=1253\n"), "WINDOWS-1253") << "the last line wins";
    EXPECT_EQ(setting("CodePage=\n"), std::nullopt);
    EXPECT_EQ(setting("CodePage=99999999999999999999\n"), "99999999999999999999")
        << "no number overflow; the name is refused later";
    EXPECT_EQ(setting(""), std::nullopt);
}

void unexpectedWarning(const std::string& warning) {
    ADD_FAILURE() << warning;
}

class UserCodePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"XDG_CONFIG_HOME", "LC_ALL", "LC_CTYPE", "LANG"}) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("XDG_CONFIG_HOME", m_folder.Path().c_str(), 1);
        ::unsetenv("LC_CTYPE");
        ::unsetenv("LANG");
    }
    void TearDown() override {
        for (const auto& [name, value] : m_saved)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    }
    void writeSettings(const std::string& text) {
        std::filesystem::create_directories(m_folder.Path() / "brindlewick");
        WriteText(m_folder.Path() / "brindlewick" / "brindlewick.conf", text);
    }

    TempFolder m_folder;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST_F(UserCodePageTest, TheSettingsFileOverridesTheLocale) {
    ::setenv("LC_ALL", "ru_RU.UTF-8", 1);
    EXPECT_EQ(UserCodePage(unexpectedWarning), "WINDOWS-1251");
    EXPECT_EQ(SettingsFilePath(), m_folder.Path() / "brindlewick" / "brindlewick.conf");

    writeSettings("CodePage=1253\n");
    EXPECT_EQ(UserCodePage(unexpectedWarning), "WINDOWS-1253");
    EXPECT_EQ(LocaleCodePage(), "WINDOWS-1251");
}

TEST_F(UserCodePageTest, AnUnknownCodePageInTheSettingsIsReportedWithTheFile) {
    ::setenv("LC_ALL", "ja_JP.UTF-8", 1);
    writeSettings("CodePage=Klingon\n");
    try {
        UserCodePage(unexpectedWarning);
        FAIL() << "an unknown code page was accepted";
    } catch (const ECampaignError& error) {
        EXPECT_NE(std::string(error.what()).find("brindlewick.conf: unknown code page \"Klingon\""),
                  std::string::npos)
            << error.what();
    }
    EXPECT_EQ(LocaleCodePage(), "CP932");
}

TEST_F(UserCodePageTest, ASettingsFileThatCannotBeReadIsReported) {
    ::setenv("LC_ALL", "ru_RU.UTF-8", 1);
    std::vector<std::string> warnings;
    const auto warn = [&](const std::string& warning) { warnings.push_back(warning); };
    EXPECT_EQ(UserCodePage(warn), "WINDOWS-1251");
    EXPECT_TRUE(warnings.empty()) << "no settings file is no fault";

    std::filesystem::create_directories(SettingsFilePath());
    EXPECT_EQ(UserCodePage(warn), "WINDOWS-1251");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "cannot read " + SettingsFilePath().string() + ": Is a directory");
}
