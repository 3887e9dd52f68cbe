// The window in the user's language: its menus answer to the translated accelerators, Qt's
// own message and file dialogs speak the same language, and a new campaign gets the
// translated untitled name.
#include "RealWindow.h"
#include "WindowMap.h"

#include <QDir>
#include <ostream>

namespace {

using namespace WindowMap;

struct TLanguageCase {
    const char* Locale;
    const char* FileMenuKey;
    const char* YesKey;
    const char* SaveAsTitle;
    const char* Untitled;
};

void PrintTo(const TLanguageCase& language, std::ostream* out) {
    *out << language.Locale;
}

class LanguagesInUse : public RealWindow, public ::testing::WithParamInterface<TLanguageCase> {};

TEST_P(LanguagesInUse, TheSaveQuestionAndItsDialogsSpeakTheUsersLanguage) {
    const TLanguageCase& language = GetParam();
    const QString locale = QString::fromLatin1(language.Locale);
    const QString campaign = Sample(QStringLiteral("good/Three.cpx"));
    Start({campaign}, {QStringLiteral("LC_ALL=") + locale, QStringLiteral("LANG=") + locale});
    ClickRow(0);
    ChangeList([&] { ClickButton(Centre(RemoveBtn)); });

    // File, New: the question's Yes, then Save As, both in the language; English keys would
    // find neither the menu nor the button.
    ChooseMenu(QString::fromLatin1(language.FileMenuKey), QStringLiteral("n"));
    AnswerMessage(QString::fromLatin1(language.YesKey));
    const QString saved = QDir(Work).filePath(QStringLiteral("saved.cpx"));
    AnswerFileDialog(QString::fromUtf8(language.SaveAsTitle), saved);
    EXPECT_TRUE(WaitForCampaignTitle(QString::fromUtf8(language.Untitled)));
    WaitForSaved(saved, [](const auto& entries) { return entries.size() == 2; });
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LanguagesInUse,
    ::testing::Values(TLanguageCase{"de_DE.UTF-8", "d", "j", "Speichern unter", "Unbenannt.cpn"},
                      TLanguageCase{"zh_CN.UTF-8", "f", "y", "另存为", "无标题.cpn"}),
    [](const auto& info) { return std::string(info.param.Locale).substr(0, 2); });

} // namespace
