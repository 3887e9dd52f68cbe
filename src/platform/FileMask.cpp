#include "FileMask.h"

#include <algorithm>

namespace {

bool isWildcard(QChar c) {
    return c == u'*' || c == u'?';
}

QStringList tokenize(const QString& mask) {
    QStringList tokens;
    qsizetype start = 0;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (!isWildcard(mask[i]))
            continue;
        if (i > start)
            tokens.append(mask.mid(start, i - start));
        tokens.append(QString(mask[i]));
        start = i + 1;
    }
    if (start < mask.size())
        tokens.append(mask.mid(start));
    return tokens;
}

} // namespace

void ParseMask(const QString& text, TMaskList& list) {
    list.masks.clear();
    if (text.isEmpty()) {
        list.masks.append(QStringLiteral("*"));
        return;
    }
    QString pieces = text;
    if (!pieces.endsWith(u';'))
        pieces += u';';
    qsizetype start = 0;
    for (qsizetype end = pieces.indexOf(u';'); end >= 0; end = pieces.indexOf(u';', start)) {
        list.masks.append(pieces.mid(start, end - start).toLower());
        start = end + 1;
    }
    std::sort(list.masks.begin(), list.masks.end());
}

bool MatchesMaskList(const QString& name, const TMaskList* list) {
    if (!list || list->masks.isEmpty())
        return true;
    QString subject = name.toLower();
    if (!subject.contains(u'.'))
        subject += u'.';
    return std::any_of(list->masks.cbegin(), list->masks.cend(),
                       [&subject](const QString& mask) { return MatchesMask(subject, mask); });
}

bool MatchesMask(const QString& name, const QString& mask) {
    if (mask == QLatin1String("*") || (mask == QLatin1String("*.*") && name.contains(u'.')))
        return true;
    const bool hasWildcards = mask.contains(u'*') || mask.contains(u'?');
    if (!hasWildcards && mask == name)
        return true;
    if (mask.isEmpty())
        return false;

    const QStringList tokens = tokenize(mask);
    const qsizetype length = name.size();
    qsizetype p = 1; // 1-based position in name
    bool star = false;
    for (qsizetype t = 0; t < tokens.size(); ++t) {
        const QString& token = tokens[t];
        if (token == QLatin1String("?")) {
            ++p;
            if (p > length + 1)
                return false;
        } else if (token == QLatin1String("*")) {
            star = true;
        } else if (star) {
            const bool last = t == tokens.size() - 1;
            if (last) {
                const QStringView rest = QStringView(name).mid(p - 1);
                p = (rest.size() >= token.size() && rest.endsWith(token)) ? length + 1 : length;
            } else {
                const qsizetype found = name.indexOf(token, p - 1);
                if (found < 0)
                    return false;
                p = found + token.size() + 1;
            }
            star = false;
        } else {
            if (QStringView(name).mid(p - 1, token.size()) != token)
                return false;
            p += token.size();
        }
    }
    return star || p == length + 1;
}
