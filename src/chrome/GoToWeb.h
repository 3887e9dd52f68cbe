#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

enum class TBrowserState { gwMaximized, gwNormal };

// A browser command split into the program to start and the arguments its command line adds.
struct TBrowserCommand {
    QString ProgramPath;
    QString ExtraArguments;
};

// Splits a browser's command line: the program ends at the rightmost ".EXE", ".BAT" or ".COM";
// a command with none of these endings (as desktop entries on this system have) takes its
// first word, quoted or not, as the program. Quotes and "%" placeholders are removed from
// the extra arguments.
TBrowserCommand SplitBrowserCommand(const QString& command);

// Opens a web address, or a mail address as a "mailto:" link, in the user's web browser,
// which it finds itself and starts with the address as an argument.
class TGoToWeb : public QObject {
    Q_OBJECT
public:
    explicit TGoToWeb(QObject* parent = nullptr);

    QString Url;
    QString EMail;
    QString EMailSubject;
    TBrowserState BrowserState = TBrowserState::gwMaximized;

    // Each returns whether the browser was started; every call looks the browser up anew.
    bool GoToUrl() const;
    bool GoToMail() const;

    QString FindBrowserCommand() const;
    TBrowserCommand GetBrowser() const;

private:
    bool open(const QString& address) const;
};
