#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

// The program's help window: shows the HTML manual, or says inside itself that the manual
// could not be read.
class THelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // Shows the manual's contents page (or a topic within it) and brings the window up. The
    // manual is a file or, by a path starting with ":/", one of the program's resources; its
    // translation into the user's language is shown instead when one stands beside it
    // ("brindlewick.de.html" beside "brindlewick.html").
    void ShowContents(const QString& englishManual, const QString& topic = {});

    QString ShownText() const;

private:
    QTextBrowser* m_browser;
};

// The program's manual with its pictures and translations, compiled into the program: the same
// pages reach the viewer from a build folder and from an installation.
inline const QString ProgramManual = QStringLiteral(":/help/brindlewick.html");
