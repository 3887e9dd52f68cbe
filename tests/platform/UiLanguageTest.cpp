#include "UiLanguage.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct LanguageCase {
    const char* languageVariable;
    const char* uiLanguages; // as QLocale::system().uiLanguages() gives them, joined by ","
    const char* chosen;      // "" for English
};

class ChooseUiLanguageTable : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ChooseUiLanguageTable, Chooses) {
    const LanguageCase& c = GetParam();
    const QString locale = QString::fromUtf8(c.uiLanguages);
    const QStringList uiLanguages = locale.isEmpty() ? QStringList{} : locale.split(u',');
    EXPECT_EQ(ChooseUiLanguage(QString::fromUtf8(c.languageVariable), uiLanguages,
                               {QStringLiteral("de"), QStringLiteral("zh_CN")}),
              QString::fromUtf8(c.chosen))
        << "LANGUAGE=" << c.languageVariable << ", locale " << c.uiLanguages;
}

// The locale lists are those Qt gives for LC_ALL=C, de_DE, de_AT, zh_CN, zh_SG, zh_TW, zh_HK
// and en_US.
INSTANTIATE_TEST_SUITE_P(
    Languages, ChooseUiLanguageTable,
    ::testing::Values(
        LanguageCase{"", "C", ""}, LanguageCase{"", "", ""},
        LanguageCase{"", "de-DE,de-Latn-DE,de", "de"}, LanguageCase{"", "de-Latn-AT", "de"},
        LanguageCase{"", "zh-CN,zh-Hans-CN,zh", "zh_CN"},
        LanguageCase{"", "zh-SG,zh-Hans-SG", "zh_CN"}, LanguageCase{"", "zh-TW,zh-Hant-TW", ""},
        LanguageCase{"", "zh-HK,zh-Hant-HK", ""}, LanguageCase{"", "zh-Hant", ""},
        LanguageCase{"", "en-US,en-Latn-US,en", ""}, LanguageCase{"", "fr-FR,fr-Latn-FR,fr", ""},
        // LANGUAGE, when it names anything, decides alone, even under the C locale.
        LanguageCase{"de:en", "C", "de"}, LanguageCase{"de:en", "zh-CN,zh-Hans-CN,zh", "de"},
        LanguageCase{"zh_CN", "de-DE,de-Latn-DE,de", "zh_CN"}, LanguageCase{"zh", "C", "zh_CN"},
        LanguageCase{"zh_TW", "de-DE,de-Latn-DE,de", ""}, LanguageCase{"zh_TW:de", "C", "de"},
        LanguageCase{"fr:de", "C", "de"}, LanguageCase{"fr", "de-DE,de-Latn-DE,de", ""},
        LanguageCase{"en:de", "C", ""}, LanguageCase{"C", "de-DE,de-Latn-DE,de", ""},
        LanguageCase{"de_CH.UTF-8@euro", "C", "de"}, LanguageCase{":", "de-DE", "de"},
        LanguageCase{"::fr::de", "C", "de"}, LanguageCase{"pt_BR", "C", ""}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) {
        return "case" + std::to_string(info.index);
    });

// A translation made for one country serves that country alone.
TEST(ChooseUiLanguage, ACountrysTranslationServesThatCountry) {
    const QStringList available{QStringLiteral("pt_BR"), QStringLiteral("pt")};
    EXPECT_EQ(ChooseUiLanguage({}, {QStringLiteral("pt-BR")}, available), QStringLiteral("pt_BR"));
    EXPECT_EQ(ChooseUiLanguage({}, {QStringLiteral("pt-PT")}, available), QStringLiteral("pt"));
    EXPECT_EQ(ChooseUiLanguage({}, {QStringLiteral("pt-PT")}, {QStringLiteral("pt_BR")}),
              QString());
}

} // namespace
