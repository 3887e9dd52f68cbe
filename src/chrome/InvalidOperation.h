#pragma once

#include <QString>
#include <stdexcept>

// Misuse of a chrome widget (wrong parent, a property that cannot change now). The message is
// the text the user or programmer sees.
class EInvalidOperation : public std::logic_error {
public:
    explicit EInvalidOperation(const QString& message) : std::logic_error(message.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};
