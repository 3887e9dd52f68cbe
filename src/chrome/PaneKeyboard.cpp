#include "PaneKeyboard.h"

#include "ToolbarKeyboard.h"
#include "Toolbars.h"

#include <QApplication>
#include <QShortcut>

namespace {

TToolbarKeyboard* keyboardOf(QWidget* pane) {
    return TToolbarKeyboard::Of(qobject_cast<TCustomToolbar*>(pane));
}

} // namespace

TPaneKeyboard::TPaneKeyboard(QWidget* form, const std::vector<QWidget*>& panes) : QObject(form) {
    m_panes.assign(panes.begin(), panes.end());
    auto* forwards = new QShortcut(QKeySequence(Qt::Key_F6), form);
    connect(forwards, &QShortcut::activated, this, [this] { cycle(TKeyboardStep::Next); });
    auto* backwards = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), form);
    connect(backwards, &QShortcut::activated, this, [this] { cycle(TKeyboardStep::Previous); });
}

std::optional<std::size_t> TPaneKeyboard::current() const {
    for (std::size_t i = 0; i < m_panes.size(); ++i)
        if (const TToolbarKeyboard* keyboard = keyboardOf(m_panes[i]);
            keyboard && keyboard->Highlighted())
            return i;
    const QWidget* focus = QApplication::focusWidget();
    for (std::size_t i = 0; i < m_panes.size(); ++i)
        if (focus && m_panes[i] && (m_panes[i] == focus || m_panes[i]->isAncestorOf(focus)))
            return i;
    return std::nullopt;
}

void TPaneKeyboard::cycle(TKeyboardStep step) {
    std::vector<TKeyboardStop> stops;
    for (QWidget* pane : m_panes) {
        const TToolbarKeyboard* keyboard = keyboardOf(pane);
        stops.push_back(
            {.visible = pane && pane->isVisible(),
             .enabled = pane && pane->isEnabled() && (!keyboard || keyboard->CanEnter())});
    }
    const std::optional<std::size_t> from = current();
    const std::optional<std::size_t> to = NextKeyboardStop(stops, from, step);
    if (!to || to == from)
        return;
    if (from)
        if (TToolbarKeyboard* keyboard = keyboardOf(m_panes[*from]))
            keyboard->Leave();
    if (TToolbarKeyboard* keyboard = keyboardOf(m_panes[*to]))
        keyboard->Enter();
    else
        m_panes[*to]->setFocus(step == TKeyboardStep::Next ? Qt::TabFocusReason
                                                          : Qt::BacktabFocusReason);
}
