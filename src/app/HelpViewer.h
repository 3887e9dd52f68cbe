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

    // Shows the manual's contents page (or a topic within it) and brings the window up.
    void ShowContents(const QString& helpFile, const QString& topic = {});

    QString ShownText() const;

private:
    QTextBrowser* m_browser;
};

// Where the manual of the program at programPath is: beside the program, named after it with
// the extension ".html", or where an installation puts it (share/brindlewick/help). The first
// one that exists; the one beside the program when neither does.
QString HelpFileFor(const QString& programPath);
