#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// One file type the program ships (resources/desktop/brindlewick-mime.xml).
struct TProgramMimeType {
    QString name;
    QString comment;
    // Lower-case extensions with their dot, from the "*.ext" globs.
    std::vector<QString> extensions;
};

// The types of a shared-mime-info package file; types without a comment are left out.
std::vector<TProgramMimeType> ParseMimePackage(const QByteArray& xml);

// The program's own types, read once from the copy built into the program, so that the
// explorer names campaign and scenario files alike whether or not they are installed.
const std::vector<TProgramMimeType>& ProgramMimeTypes();

// The program's type of a file name (matched by extension, without regard to case).
std::optional<TProgramMimeType> ProgramMimeTypeOf(const QString& fileName);
