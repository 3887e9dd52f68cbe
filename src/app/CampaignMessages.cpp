#include "CampaignMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

namespace {

// Every English text the campaign library makes, with %1, %2, ... where it puts a name or a
// figure. Where two patterns could read the same text, the longer one comes first.
constexpr const char* Patterns[] = {
    // Errors.
    QT_TRANSLATE_NOOP("CampaignMessages", "Cannot open file %1: %2"),
    QT_TRANSLATE_NOOP("CampaignMessages", "Cannot create file %1: %2"),
    QT_TRANSLATE_NOOP("CampaignMessages", "Cannot read file %1: %2"),
    QT_TRANSLATE_NOOP("CampaignMessages", "Cannot write file %1: %2"),
    QT_TRANSLATE_NOOP("CampaignMessages", "Cannot lock file %1: another program is changing it"),
    QT_TRANSLATE_NOOP("CampaignMessages", "Cannot open file %1"),
    QT_TRANSLATE_NOOP("CampaignMessages", "Cannot create file %1"),
    QT_TRANSLATE_NOOP("CampaignMessages", "Stream read error"),
    QT_TRANSLATE_NOOP("CampaignMessages", "Stream write error"),
    QT_TRANSLATE_NOOP(
        "CampaignMessages",
        "The file %1 is either not an Quorvane/Meltharn Campaign or an unsupported version."),
    QT_TRANSLATE_NOOP(
        "CampaignMessages",
        "The file %1 is too large for a campaign: scenario files must be smaller than 2 GiB"),
    QT_TRANSLATE_NOOP("CampaignMessages",
                      "The campaign would be %1 bytes long, more than the 2,147,483,647 bytes a "
                      "campaign file can hold"),
    QT_TRANSLATE_NOOP("CampaignMessages",
                      "%1 is shorter than four bytes and has no version text to set"),
    QT_TRANSLATE_NOOP("CampaignMessages", "Unknown text encoding %1"),
    QT_TRANSLATE_NOOP("CampaignMessages", "%1: unknown code page \"%2\""),
    // Findings of the campaign check.
    QT_TRANSLATE_NOOP("CampaignMessages", "scenario %1"),
    QT_TRANSLATE_NOOP("CampaignMessages",
                      "%1 has no version text of either game (1.10, 1.11 or 1.18)"),
    QT_TRANSLATE_NOOP("CampaignMessages",
                      "%1 (%2) and %3 (%4) are for different games: no game plays both"),
    QT_TRANSLATE_NOOP("CampaignMessages", "%1 unused bytes at %2-%3"),
    QT_TRANSLATE_NOOP("CampaignMessages",
                      "the payload of %1 starts inside the header or the entry table"),
    QT_TRANSLATE_NOOP("CampaignMessages", "the payloads of %1 and %2 overlap"),
    QT_TRANSLATE_NOOP("CampaignMessages", "%1 bytes after the last payload"),
    QT_TRANSLATE_NOOP("CampaignMessages", "the file is shorter than the 264-byte header"),
    QT_TRANSLATE_NOOP("CampaignMessages", "the version text is not 1.00"),
    QT_TRANSLATE_NOOP("CampaignMessages", "the title fills its field without a zero byte"),
    QT_TRANSLATE_NOOP("CampaignMessages", "the entry count is negative (%1)"),
    QT_TRANSLATE_NOOP("CampaignMessages",
                      "the entry table is cut short: %1 of %2 records are in the file"),
    QT_TRANSLATE_NOOP("CampaignMessages", "the name of %1 fills its field without a zero byte"),
    QT_TRANSLATE_NOOP("CampaignMessages",
                      "the file name of %1 fills its field without a zero byte"),
    QT_TRANSLATE_NOOP("CampaignMessages", "%1 has a negative offset or size"),
    QT_TRANSLATE_NOOP("CampaignMessages", "the payload of %1 reaches past the end of the file"),
};

struct TPattern {
    const char* English;
    QRegularExpression Reader;
};

// A pattern as an expression that reads a whole text and captures what stands for each %n,
// in the order of n.
QRegularExpression readerOf(const QString& pattern) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    QString expression = QStringLiteral("^");
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(pattern)) {
        expression += QRegularExpression::escape(pattern.mid(from, match.capturedStart() - from));
        expression += QStringLiteral("(?<a%1>.+?)").arg(match.captured(1));
        from = match.capturedEnd();
    }
    expression += QRegularExpression::escape(pattern.mid(from)) + QStringLiteral("$");
    return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<TPattern>& patterns() {
    static const std::vector<TPattern> all = [] {
        std::vector<TPattern> read;
        for (const char* english : Patterns)
            read.push_back({english, readerOf(QString::fromUtf8(english))});
        return read;
    }();
    return all;
}

// The pattern's translation with each %n replaced, in one pass, by what it stands for.
QString filledIn(const QString& translation, const QRegularExpressionMatch& match) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    static const QRegularExpression scenarioNumber(QStringLiteral("^scenario \\d+$"));
    QString text;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& found : placeholder.globalMatch(translation)) {
        text += translation.mid(from, found.capturedStart() - from);
        const QString held = match.captured(QStringLiteral("a") + found.captured(1));
        // A finding names its scenarios by number; a file name stays as it is.
        text += scenarioNumber.match(held).hasMatch() ? TranslatedCampaignMessage(held) : held;
        from = found.capturedEnd();
    }
    return text + translation.mid(from);
}

} // namespace

QString TranslatedCampaignMessage(const QString& english) {
    for (const TPattern& pattern : patterns()) {
        const QRegularExpressionMatch match = pattern.Reader.match(english);
        if (match.hasMatch())
            return filledIn(QCoreApplication::translate("CampaignMessages", pattern.English),
                            match);
    }
    return english;
}

QString TranslatedCampaignMessage(const std::string& english) {
    return TranslatedCampaignMessage(QString::fromStdString(english));
}
