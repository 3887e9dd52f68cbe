#pragma once

#include "ErrorBox.h"

#include <QApplication>

// The application object: its title, and the one place where errors that end a command are
// caught and shown (the error's text in a box with the application title as caption, the
// error icon and OK).
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv, TDialogService& dialogs);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows what went wrong with the running command.
    void ShowError(const QString& text);

private:
    TErrorBox m_errorBox;
};
