#pragma once

#include "ErrorReporter.h"

#include <QString>

class QWidget;
class TDialogService;

// The error box's text: a full stop is added when the last character sorts after "." and is
// not a full stop or mark of another script.
QString ErrorBoxText(const QString& message);

// The program's error box: the error's text, in the user's language (ErrorBoxText of
// TranslatedCampaignMessage) in a box captioned with the
// application title, with the error icon and OK. Errors that end a command and those the
// explorer meets by itself outside a command show in it alike.
class TErrorBox : public TErrorReporter {
public:
    explicit TErrorBox(TDialogService& dialogs) : m_dialogs(dialogs) {}

    void show(const QString& text, QWidget* owner);
    // Over the active window, as an error that ended a command.
    void reportError(const std::exception& error) override;

private:
    TDialogService& m_dialogs;
};
