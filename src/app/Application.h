#pragma once

#include "ChromeContext.h"
#include "ErrorBox.h"

#include <QApplication>

// The application object: its title, the error box for what goes wrong outside any window
// (the error's text in a box with the application title as caption, the error icon and OK),
// and the chrome's context, which it carries itself and hands to the windows it creates. The
// commands' errors are caught where the window runs them.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv, TDialogService& dialogs);

    // Shows what went wrong.
    void ShowError(const QString& text);

    TChromeContext& chromeContext() { return m_chromeContext; }

private:
    TErrorBox m_errorBox;
    TChromeContext m_chromeContext;
};
