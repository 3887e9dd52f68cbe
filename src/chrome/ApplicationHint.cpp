#include "ApplicationHint.h"

TApplicationHint& TApplicationHint::instance() {
    static TApplicationHint hint;
    return hint;
}

void TApplicationHint::setHint(const QString& hint) {
    if (hint == m_hint)
        return;
    m_hint = hint;
    emit OnHint(m_hint);
}
