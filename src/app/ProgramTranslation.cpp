#include "ProgramTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>

namespace {

const QString FilePrefix = QStringLiteral("brindlewick_");

// An installed translation comes first, so that a translator's newer file takes the place of
// the one compiled in; the compiled-in ones serve a program run from its build folder.
QStringList translationFolders() {
    return {QCoreApplication::applicationDirPath() +
                QStringLiteral("/../share/brindlewick/translations"),
            QStringLiteral(":/translations")};
}

} // namespace

QStringList AvailableTranslations() {
    static const QRegularExpression name(QStringLiteral("^brindlewick_(.+)\\.qm$"));
    QStringList languages;
    for (const QString& folder : translationFolders())
        for (const QString& file : QDir(folder).entryList({QStringLiteral("*.qm")}, QDir::Files)) {
            const QRegularExpressionMatch match = name.match(file);
            if (match.hasMatch() && !languages.contains(match.captured(1)))
                languages << match.captured(1);
        }
    languages.sort();
    return languages;
}

TProgramTranslation::TProgramTranslation(const QString& language) {
    if (language.isEmpty())
        return;
    for (const QString& folder : translationFolders())
        if (m_program.load(FilePrefix + language, folder))
            break;
    if (m_program.isEmpty())
        return;
    m_language = language;
    QCoreApplication::installTranslator(&m_program);
    if (m_qt.load(QStringLiteral("qtbase_") + language,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

TProgramTranslation::~TProgramTranslation() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}
