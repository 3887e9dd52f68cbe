#include "GoToWeb.h"

#include "BrowserLookup.h"

#include <QProcess>

namespace {

constexpr const char* DefaultUrl = "https://github.com/brindlewick/brindlewick";
constexpr const char* DefaultEMail = "brindlewick@users.noreply.github.com";

bool isBlankOrControl(QChar c) {
    return c.unicode() <= u' ';
}

QString trimBlanksAndControls(const QString& text) {
    int first = 0;
    int last = static_cast<int>(text.size()) - 1;
    while (first <= last && isBlankOrControl(text[first]))
        ++first;
    while (last >= first && isBlankOrControl(text[last]))
        --last;
    return text.mid(first, last - first + 1);
}

QString withoutPlaceholders(const QString& text) {
    QString result;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            result += text[i];
            continue;
        }
        while (i + 1 < text.size() && text[i + 1] != u' ')
            ++i;
    }
    return result;
}

QString cleanedArguments(const QString& text) {
    QString arguments = trimBlanksAndControls(text);
    arguments.remove(u'"');
    return trimBlanksAndControls(withoutPlaceholders(arguments));
}

// The position of the last character of the rightmost program ending, or -1.
int programEnd(const QString& command) {
    for (int position = static_cast<int>(command.size()) - 1; position >= 3; --position) {
        const QString ending = command.mid(position - 3, 4).toUpper();
        if (ending == QStringLiteral(".EXE") || ending == QStringLiteral(".BAT") ||
            ending == QStringLiteral(".COM"))
            return position;
    }
    return -1;
}

// The end of the first word: after its closing quote when it starts with one.
int firstWordEnd(const QString& command) {
    if (command.startsWith(u'"')) {
        const int closing = command.indexOf(u'"', 1);
        return closing < 0 ? static_cast<int>(command.size()) - 1 : closing;
    }
    const int blank = command.indexOf(u' ');
    return blank < 0 ? static_cast<int>(command.size()) - 1 : blank - 1;
}

} // namespace

TBrowserCommand SplitBrowserCommand(const QString& rawCommand) {
    const QString command = trimBlanksAndControls(rawCommand);
    if (command.isEmpty())
        return {};
    int end = programEnd(command);
    if (end < 0)
        end = firstWordEnd(command);

    TBrowserCommand split;
    split.ProgramPath = command.left(end + 1);
    split.ExtraArguments = cleanedArguments(command.mid(end + 1));
    if (split.ProgramPath.startsWith(u'"'))
        split.ProgramPath.remove(0, 1);
    if (split.ProgramPath.endsWith(u'"'))
        split.ProgramPath.chop(1);
    return split;
}

TGoToWeb::TGoToWeb(QObject* parent)
    : QObject(parent), Url(QString::fromLatin1(DefaultUrl)),
      EMail(QString::fromLatin1(DefaultEMail)) {}

QString TGoToWeb::FindBrowserCommand() const {
    return ::FindBrowserCommand();
}

TBrowserCommand TGoToWeb::GetBrowser() const {
    return SplitBrowserCommand(FindBrowserCommand());
}

bool TGoToWeb::open(const QString& address) const {
    const TBrowserCommand browser = GetBrowser();
    if (browser.ProgramPath.isEmpty())
        return false;
    // The command's extra arguments come first, then the address as one argument of its own
    // (a mail subject may hold blanks). How the browser shows its window is the browser's and
    // the window manager's business here: there is no portable way to ask for a maximised one.
    QStringList arguments = QProcess::splitCommand(browser.ExtraArguments);
    arguments << address;
    return QProcess::startDetached(browser.ProgramPath, arguments);
}

bool TGoToWeb::GoToUrl() const {
    return open(Url);
}

bool TGoToWeb::GoToMail() const {
    return open(QStringLiteral("mailto:") + EMail + QStringLiteral("?subject=") + EMailSubject);
}
