#include "ErrorBox.h"

#include "AppTexts.h"
#include "DialogService.h"

#include <QApplication>

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void TErrorBox::show(const QString& text, QWidget* owner) {
    m_dialogs.ShowMessage({AppTexts::ApplicationTitle, ErrorBoxText(text), TMessageIcon::Error,
                           TMessageButtons::Ok, owner});
}

void TErrorBox::reportError(const std::exception& error) {
    show(QString::fromStdString(error.what()), QApplication::activeWindow());
}
