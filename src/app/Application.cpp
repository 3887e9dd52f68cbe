#include "Application.h"

#include "AppTexts.h"
#include "DialogService.h"
#include "ShellControls.h"

#include <exception>

TApplication::TApplication(int& argc, char** argv, TDialogService& dialogs)
    : QApplication(argc, argv), m_dialogs(dialogs) {
    // The title is not made the display name: Qt would append it to every window title.
    setApplicationName(QStringLiteral("brindlewick"));
    // Errors the explorer pane meets outside a command reach the same box.
    SetTopLevelErrorHandler(
        [this](const std::exception& error) { ShowError(QString::fromStdString(error.what())); });
    setApplicationVersion(QStringLiteral("2.0"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(QString::fromStdString(error.what()));
    }
    return false;
}

void TApplication::ShowError(const QString& text) {
    m_dialogs.ShowMessage({AppTexts::ApplicationTitle, ErrorBoxText(text), TMessageIcon::Error,
                           TMessageButtons::Ok, activeWindow()});
}
