#include "UiLanguage.h"

#include <QLocale>
#include <QRegularExpression>
#include <optional>

namespace {

// A language tag taken apart: "zh-Hans-CN", "de_DE.UTF-8@euro", "pt_BR".
struct LanguageTag {
    QString language;  // lower case: "zh"
    QString script;    // "Latn", "Hans": as written or, for Chinese, implied; else empty
    QString territory; // upper case: "CN", or empty
};

LanguageTag parseTag(QString text) {
    // A code set and a modifier say nothing about the language.
    const qsizetype suffix = text.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (suffix >= 0)
        text.truncate(suffix);
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[-_]")));
    LanguageTag tag{parts.value(0).toLower(), {}, {}};
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].size() == 4)
            tag.script = parts[i].left(1).toUpper() + parts[i].mid(1).toLower();
        else if (tag.territory.isEmpty())
            tag.territory = parts[i].toUpper();
    }
    // Chinese is written in one of two scripts, and the country tells which when the tag
    // does not: Traditional in Taiwan, Hong Kong and Macao, Simplified elsewhere.
    if (tag.language == QStringLiteral("zh") && tag.script.isEmpty()) {
        static const QStringList traditional{QStringLiteral("TW"), QStringLiteral("HK"),
                                             QStringLiteral("MO")};
        tag.script =
            traditional.contains(tag.territory) ? QStringLiteral("Hant") : QStringLiteral("Hans");
    }
    return tag;
}

// English is what the program is written in: asking for it, or for the C locale's untranslated
// texts, is a choice like any other.
bool isEnglish(const LanguageTag& tag) {
    return tag.language == QStringLiteral("en") || tag.language == QStringLiteral("c") ||
           tag.language == QStringLiteral("posix");
}

// How well a shipped translation serves a wanted language: 0 not at all, 1 the language (or,
// for Chinese, its script), 2 also the country.
int fit(const LanguageTag& wanted, const LanguageTag& shipped) {
    const bool scriptsDiffer =
        !wanted.script.isEmpty() && !shipped.script.isEmpty() && wanted.script != shipped.script;
    if (wanted.language != shipped.language || scriptsDiffer)
        return 0;
    if (wanted.territory == shipped.territory)
        return 2;
    const bool scriptDecides = !shipped.script.isEmpty();
    return shipped.territory.isEmpty() || scriptDecides ? 1 : 0;
}

// The shipped translation that serves the wanted language best; nothing for English.
std::optional<QString> bestFit(const LanguageTag& wanted, const QStringList& available) {
    int best = 0;
    QString chosen;
    for (const QString& shipped : available) {
        const int quality = fit(wanted, parseTag(shipped));
        if (quality > best) {
            best = quality;
            chosen = shipped;
        }
    }
    if (best == 0)
        return std::nullopt;
    return chosen;
}

// The first entry that English or a translation serves; English when none does.
QString firstServed(const QStringList& entries, const QStringList& available) {
    for (const QString& entry : entries) {
        const LanguageTag wanted = parseTag(entry);
        if (isEnglish(wanted))
            return {};
        if (const auto chosen = bestFit(wanted, available))
            return *chosen;
    }
    return {};
}

} // namespace

QString ChooseUiLanguage(const QString& languageVariable, const QStringList& uiLanguages,
                         const QStringList& available) {
    const QStringList named = languageVariable.split(u':', Qt::SkipEmptyParts);
    return firstServed(named.isEmpty() ? uiLanguages : named, available);
}

QString UserUiLanguage(const QStringList& available) {
    return ChooseUiLanguage(qEnvironmentVariable("LANGUAGE"), QLocale::system().uiLanguages(),
                            available);
}
