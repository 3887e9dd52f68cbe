#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages the program has a translation for ("de", "zh_CN"), from the compiled-in
// translations and those installed beside the program.
QStringList AvailableTranslations();

// The window's texts in one language while the object lives: the program's own translation
// and Qt's, which names the buttons of Qt's message and file dialogs. An empty language, or
// one the program has no translation for, leaves every text in English.
class TProgramTranslation {
public:
    explicit TProgramTranslation(const QString& language);
    ~TProgramTranslation();
    TProgramTranslation(const TProgramTranslation&) = delete;
    TProgramTranslation& operator=(const TProgramTranslation&) = delete;

    const QString& Language() const { return m_language; }

private:
    QString m_language;
    QTranslator m_program;
    QTranslator m_qt;
};
