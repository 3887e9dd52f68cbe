#include "DesktopEntry.h"

namespace DesktopEntry {

namespace {

bool isGroupHeader(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}

QString groupName(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.mid(1, trimmed.size() - 2);
}

// The key of a "Key=Value" line, or a null string for comments and other lines.
QString keyOf(const QString& line) {
    if (line.trimmed().startsWith(u'#'))
        return {};
    const int equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.left(equals).trimmed();
}

QString unescape(const QString& value) {
    QString result;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case u's':
            result += u' ';
            break;
        case u'n':
            result += u'\n';
            break;
        case u't':
            result += u'\t';
            break;
        case u'r':
            result += u'\r';
            break;
        default:
            result += next;
        }
    }
    return result;
}

} // namespace

QString Value(const QString& content, const QString& group, const QString& key) {
    QString current;
    for (const QString& line : content.split(u'\n')) {
        if (isGroupHeader(line))
            current = groupName(line);
        else if (current == group && keyOf(line) == key)
            return unescape(line.mid(line.indexOf(u'=') + 1).trimmed());
    }
    return {};
}

QString WithValue(const QString& content, const QString& group, const QString& key,
                  const QString& value) {
    QStringList lines = content.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    const QString entry = key + u'=' + value;
    QString current;
    int groupEnd = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (isGroupHeader(lines[i])) {
            current = groupName(lines[i]);
            continue;
        }
        if (current != group)
            continue;
        if (keyOf(lines[i]) == key) {
            lines[i] = entry;
            return lines.join(u'\n') + u'\n';
        }
        if (!lines[i].trimmed().isEmpty())
            groupEnd = i;
    }
    const int header = lines.indexOf(u'[' + group + u']');
    if (header < 0) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines << QString();
        lines << u'[' + group + u']' << entry;
    } else {
        lines.insert(std::max(header, groupEnd) + 1, entry);
    }
    return lines.join(u'\n') + u'\n';
}

QString QuotedExecArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    // A key file's value escapes its backslashes once more.
    return quoted.replace(u'\\', QStringLiteral("\\\\"));
}

QStringList SplitExec(const QString& exec) {
    QStringList arguments;
    QString current;
    bool inQuotes = false;
    bool hasArgument = false;
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes) {
            if (c == u'\\' && i + 1 < exec.size()) {
                current += exec[++i];
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                current += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            hasArgument = true;
        } else if (c == u' ' || c == u'\t') {
            if (hasArgument)
                arguments << current;
            current.clear();
            hasArgument = false;
        } else {
            current += c;
            hasArgument = true;
        }
    }
    if (hasArgument)
        arguments << current;
    return arguments;
}

} // namespace DesktopEntry
