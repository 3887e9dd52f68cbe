#pragma once

#include <QString>
#include <QStringList>

// The language the program's texts and manual are shown in: the first of the user's languages
// that a translation exists for. An empty result means English, the language the program is
// written in.
//
// languageVariable is the LANGUAGE environment variable, a ":"-separated list of languages as
// GNU gettext reads it ("de:en"); when it names any language it decides alone, and a list with
// no translated language before English (or "C") gives English. Otherwise the locale's own list
// decides (QLocale::uiLanguages(), "de-DE", "zh-Hans-CN"). Entries may be written with "_" or
// "-" and may carry a code set or modifier ("de_DE.UTF-8@euro").
//
// available names the translations as they are shipped ("de", "zh_CN"); the result is one of
// them. A translation for a language alone ("de") serves every country of that language; one
// for a country ("pt_BR") only that country. Chinese goes by its script: Simplified ("zh_CN")
// serves zh_CN, zh_SG, zh_Hans and plain zh; Traditional is zh_TW, zh_HK, zh_MO and zh_Hant.
QString ChooseUiLanguage(const QString& languageVariable, const QStringList& uiLanguages,
                         const QStringList& available);

// ChooseUiLanguage for this process: LANGUAGE and the system locale.
QString UserUiLanguage(const QStringList& available);
