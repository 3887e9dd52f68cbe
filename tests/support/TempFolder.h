#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fresh folder below the test home for each test, with helpers to fill it.
class TempFolder {
public:
    TempFolder() : m_dir(QDir::homePath() + QStringLiteral("/tmp-XXXXXX")) {
        EXPECT_TRUE(m_dir.isValid());
    }

    QString path() const { return m_dir.path(); }
    QString path(const QString& relative) const { return m_dir.path() + u'/' + relative; }

    QString makeFile(const QString& relative, qint64 size = 0) const {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        if (size > 0)
            file.write(QByteArray(size, 'x'));
        return full;
    }

    QString makeFolder(const QString& relative) const {
        const QString full = path(relative);
        EXPECT_TRUE(QDir().mkpath(full));
        return full;
    }

private:
    QTemporaryDir m_dir;
};
