#include "ErrorBox.h"

#include "AppTexts.h"
#include "CampaignMessages.h"
#include "DialogService.h"

#include <QApplication>

QString ErrorBoxText(const QString& message) {
    // A translation that ends with the full stop or mark of its own script has its ending.
    static const QString ownEndings = QStringLiteral("\u3002\uFF01\uFF1F\uFF0E");
    if (!message.isEmpty() && message.back() > u'.' && !ownEndings.contains(message.back()))
        return message + u'.';
    return message;
}

void TErrorBox::show(const QString& text, QWidget* owner) {
    m_dialogs.ShowMessage({AppTexts::ApplicationTitle,
                           ErrorBoxText(TranslatedCampaignMessage(text)), TMessageIcon::Error,
                           TMessageButtons::Ok, owner});
}

void TErrorBox::reportError(const std::exception& error) {
    show(QString::fromStdString(error.what()), QApplication::activeWindow());
}
