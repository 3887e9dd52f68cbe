#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for Qt values in GoogleTest assertions.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}
inline void PrintTo(const QUrl& url, std::ostream* out) {
    *out << url.toString().toStdString();
}
