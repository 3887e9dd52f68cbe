#pragma once

#include "TextCodec.h"

#include <QValidator>

// The two texts of a scenario that are edited in place, each stored in a field of its own width.
enum class TStoredTextField { Name, FileName };

// Keeps an editor's text storable in the campaign's code page: a text is refused when it holds
// a control character or a character the code page cannot hold, or when its bytes overrun the
// field (its last byte is the terminating zero). A character the start text already held is never
// refused: a stored name's bytes that the code page does not define show as U+FFFD and stay as they
// are until edited.
class TStoredTextValidator : public QValidator {
    Q_OBJECT
public:
    TStoredTextValidator(const TTextCodec& codec, TStoredTextField field, QString startText,
                         QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

    // Why the last refused text was refused, for the status line.
    const QString& LastRefusal() const { return m_lastRefusal; }

private:
    const TTextCodec& m_codec;
    TStoredTextField m_field;
    QString m_startText;
    mutable QString m_lastRefusal;
};
