#pragma once

#include <QObject>
#include <QString>

// The application's current hint: the text of the control or menu item under the mouse.
// A status bar shows it by listening to OnHint.
class TApplicationHint : public QObject {
    Q_OBJECT

public:
    static TApplicationHint& instance();

    QString Hint() const { return m_hint; }
    void setHint(const QString& hint);

signals:
    void OnHint(const QString& hint);

private:
    TApplicationHint() = default;

    QString m_hint;
};
