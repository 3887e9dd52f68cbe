#include "HelpViewer.h"

#include "AppTexts.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpViewer::THelpViewer(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setWindowTitle(tr("%1 Help").arg(AppTexts::ApplicationTitle));
    setModal(false);
    resize(640, 560);
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

void THelpViewer::ShowContents(const QString& helpFile, const QString& topic) {
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
