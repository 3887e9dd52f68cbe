#include "CommandDispatcher.h"

#include "MainCommands.h"

#include <QRegularExpression>
#include <QUndoStack>
#include <exception>
#include <stdexcept>

QString EditName(TCommandId command) {
    const TCommandRow* row = &CommandRow(command);
    // An item of a submenu makes the edit its opener names: "Set to Version".
    for (const TCommandRow& opener : MainCommands())
        if (row->Menu != TMenuPlace::None && opener.Submenu == row->Menu)
            row = &opener;
    QString name = *row->Caption ? CaptionOf(*row) : HintOf(*row);
    // Without the accelerator, whether marked inside the word or after it ("(&V)"), and dots.
    name.remove(QRegularExpression(QStringLiteral("\\(&[^)]\\)")));
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QStringLiteral("...")))
        name.chop(3);
    if (name.endsWith(QChar(0x2026)))
        name.chop(1);
    return name;
}

TCommandDispatcher::TCommandDispatcher(QUndoStack& history,
                                       std::function<void(const QString&)> showError)
    : m_history(history), m_showError(std::move(showError)) {}

bool TCommandDispatcher::Run(TCommandId command, const std::function<void()>& action) noexcept {
    const std::optional<TCommandId> outer = m_running;
    m_running = command;
    bool done = false;
    try {
        action();
        done = true;
    } catch (const std::exception& error) {
        m_showError(QString::fromStdString(error.what()));
    }
    m_running = outer;
    return done;
}

void TCommandDispatcher::Push(std::unique_ptr<QUndoCommand> edit) {
    if (!m_running)
        throw std::logic_error("an edit was made outside a command");
    edit->setText(EditName(*m_running));
    m_history.push(edit.release());
}
