#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QUndoCommand;
class QUndoStack;
enum class TCommandId;

// The name an edit made by the command gets in the history, and so in the Undo and Redo
// items: the command's menu caption without its accelerator and dots ("Insert After"), that of
// the item opening its submenu for a submenu's item, or its toolbar hint for a command that
// has no caption.
QString EditName(TCommandId command);

// The one place where the window's commands run: the command table's handlers, and what the
// scenario list does by itself (dropped files, dragged and renamed rows). An error that ends
// a command is shown in the program's error box here, so that no exception crosses Qt's event
// loop; an edit the command makes is pushed onto the campaign's history, named after it.
class TCommandDispatcher {
public:
    TCommandDispatcher(QUndoStack& history, std::function<void(const QString&)> showError);

    // Runs action as the command; false when an error ended it.
    bool Run(TCommandId command, const std::function<void()>& action) noexcept;
    // Does the edit and keeps it in the history. Only a running command makes edits.
    void Push(std::unique_ptr<QUndoCommand> edit);

private:
    QUndoStack& m_history;
    std::function<void(const QString&)> m_showError;
    std::optional<TCommandId> m_running;
};
