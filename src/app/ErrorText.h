#pragma once

#include <QString>

// The text of the top-level error box: the error's own text, with a full stop appended when
// its last character sorts after the full stop ("Stream read error" ends with one, "file."
// and "(x)" stay as they are).
inline QString ErrorBoxText(const QString& text) {
    if (!text.isEmpty() && text.back() > QChar(u'.'))
        return text + QChar(u'.');
    return text;
}
