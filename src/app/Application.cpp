#include "Application.h"

#include "ChromeAccessibility.h"
#include "WindowAccessibility.h"

TApplication::TApplication(int& argc, char** argv, TDialogService& dialogs)
    : QApplication(argc, argv), m_errorBox(dialogs) {
    // The title is not made the display name: Qt would append it to every window title.
    setApplicationName(QStringLiteral("brindlewick"));
    setApplicationVersion(QStringLiteral(BRINDLEWICK_VERSION));
    InstallChromeAccessibility();
    InstallWindowAccessibility();
    m_chromeContext.attachTo(this);
}

void TApplication::ShowError(const QString& text) {
    m_errorBox.show(text, activeWindow());
}
