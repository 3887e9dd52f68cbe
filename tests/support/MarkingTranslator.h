#pragma once

#include <QCoreApplication>
#include <QTranslator>

// While it lives, every text asked of Qt's translation system comes back as "context|source",
// so that a test sees which texts went through it and under which context.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        return QString::fromUtf8(context) + u'|' + QString::fromUtf8(sourceText);
    }
};
