#include "HelpViewer.h"

#include "AppTexts.h"
#include "UiLanguage.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The manual in the user's language: a translation stands beside the English manual under the
// same name with its language before the extension ("brindlewick.de.html"). The English manual
// stands in when no translation serves the user.
QString manualInUsersLanguage(const QString& helpFile) {
    const QFileInfo english(helpFile);
    const QString prefix = english.completeBaseName() + u'.';
    const QString suffix = u'.' + english.suffix();
    QStringList available;
    for (const QString& name : english.dir().entryList({prefix + u'*' + suffix}, QDir::Files))
        available << name.sliced(prefix.size(), name.size() - prefix.size() - suffix.size());
    const QString language = UserUiLanguage(available);
    return language.isEmpty() ? helpFile : english.dir().filePath(prefix + language + suffix);
}

} // namespace

THelpViewer::THelpViewer(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setWindowTitle(tr("%1 Help").arg(AppTexts::ApplicationTitle));
    setModal(false);
    resize(640, 560);
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

void THelpViewer::ShowContents(const QString& englishManual, const QString& topic) {
    const QString helpFile = manualInUsersLanguage(englishManual);
    const QFileInfo file(helpFile);
    if (file.isFile() && file.isReadable()) {
        QUrl url = helpFile.startsWith(QStringLiteral(":/"))
                       ? QUrl(QStringLiteral("qrc") + helpFile)
                       : QUrl::fromLocalFile(file.absoluteFilePath());
        url.setFragment(topic.isEmpty() ? QStringLiteral("contents") : topic);
        m_browser->setSource(url);
    } else {
        m_browser->setHtml(
            tr("<h2>Help is not available</h2><p>The help file <b>%1</b> could not be "
               "found or read.</p>")
                .arg(helpFile.toHtmlEscaped()));
    }
    show();
    raise();
    activateWindow();
}

QString THelpViewer::ShownText() const {
    return m_browser->toPlainText();
}
