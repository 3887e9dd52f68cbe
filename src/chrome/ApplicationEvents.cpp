#include "ApplicationEvents.h"

void TApplicationEvents::setHint(const QString& hint) {
    if (hint == m_hint)
        return;
    m_hint = hint;
    emit OnHint(m_hint);
}

void TApplicationEvents::requestHelp(int helpContext, bool popup) {
    emit OnHelp(helpContext, popup);
}
