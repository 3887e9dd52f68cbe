#pragma once

#include <QString>
#include <stdexcept>

// A desktop service refused an operation. The text is the one the user sees.
class EPlatformError : public std::runtime_error {
public:
    explicit EPlatformError(const QString& message) : std::runtime_error(message.toStdString()) {}
};
