#include "Application.h"

#include "ChromeAccessibility.h"

#include <exception>

TApplication::TApplication(int& argc, char** argv, TDialogService& dialogs)
    : QApplication(argc, argv), m_errorBox(dialogs) {
    // The title is not made the display name: Qt would append it to every window title.
    setApplicationName(QStringLiteral("brindlewick"));
    setApplicationVersion(QStringLiteral(BRINDLEWICK_VERSION));
    InstallChromeAccessibility();
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
    m_errorBox.show(text, activeWindow());
}
