#include "NaturalCompare.h"

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// Compares two digit runs by value: leading zeros ignored, then length, then digits.
int compareNumbers(QStringView a, QStringView b) {
    while (a.size() > 1 && a.front() == u'0')
        a = a.mid(1);
    while (b.size() > 1 && b.front() == u'0')
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return sign(a.compare(b));
}

// Letters of the ASCII range fold by arithmetic; the table lookup is for the rest.
char16_t folded(QChar c) {
    const char16_t code = c.unicode();
    if (code < 0x80)
        return code >= u'A' && code <= u'Z' ? char16_t(code + (u'a' - u'A')) : code;
    return c.toCaseFolded().unicode();
}

qsizetype digitRunEnd(QStringView text, qsizetype from) {
    while (from < text.size() && text[from].isDigit())
        ++from;
    return from;
}

} // namespace

int NaturalCompare(QStringView a, QStringView b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype endA = digitRunEnd(a, i);
            const qsizetype endB = digitRunEnd(b, j);
            if (const int result = compareNumbers(a.mid(i, endA - i), b.mid(j, endB - j)))
                return result;
            i = endA;
            j = endB;
            continue;
        }
        const char16_t ca = folded(a[i]);
        const char16_t cb = folded(b[j]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return sign(a.compare(b));
}
