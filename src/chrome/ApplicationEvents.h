#pragma once

#include <QObject>
#include <QString>

// Application-wide notices of the chrome: the current hint (the text of the control or menu
// item under the mouse, which a status bar shows by listening to OnHint) and help requests
// made on a menu item (which the program's help viewer answers by listening to OnHelp). Each
// chrome context has its own (TChromeContext::events).
class TApplicationEvents : public QObject {
    Q_OBJECT

public:
    QString Hint() const { return m_hint; }
    void setHint(const QString& hint);

    // Asks for the help topic of a context; `popup` asks for it as a small context popup.
    void requestHelp(int helpContext, bool popup);

signals:
    void OnHint(const QString& hint);
    void OnHelp(int helpContext, bool popup);

private:
    QString m_hint;
};
