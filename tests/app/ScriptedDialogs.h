#pragma once

#include "DialogService.h"
#include "EventLoop.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

// While it is open, a dialog holds the keyboard focus as a real one does: a window of its own
// is active, and the window it came from gets the activation back only when the event loop
// runs again after it closed (the window system's notice arrives later).
class DialogFocus {
public:
    explicit DialogFocus(QWidget* owner)
        : m_owner(owner ? owner->window() : QApplication::activeWindow()) {
        m_stand.setWindowTitle(QStringLiteral("Scripted dialog"));
        m_stand.resize(40, 40);
        m_stand.show();
        m_stand.activateWindow();
        WaitFor([this] { return QApplication::activeWindow() == &m_stand; }, 2000);
    }
    ~DialogFocus() {
        m_stand.hide();
        if (m_owner)
            QTimer::singleShot(0, m_owner.data(), [owner = m_owner] {
                if (owner)
                    owner->activateWindow();
            });
    }
    DialogFocus(const DialogFocus&) = delete;
    DialogFocus& operator=(const DialogFocus&) = delete;

private:
    QPointer<QWidget> m_owner;
    QWidget m_stand;
};

// Answers the commands' questions from a script and records what was asked.
class ScriptedDialogs : public TDialogService {
public:
    std::deque<TMessageAnswer> MessageAnswers;
    // Each file or folder dialog takes the next entry: a path for OK, nothing for Cancel.
    std::deque<std::optional<QString>> FileAnswers;

    std::vector<TMessageRequest> Messages;
    std::vector<TFileDialog> FileDialogs;
    std::vector<TFolderDialog> FolderDialogs;

    TMessageAnswer ShowMessage(const TMessageRequest& request) override {
        const DialogFocus focus(request.Owner);
        Messages.push_back(request);
        if (MessageAnswers.empty())
            return request.Buttons == TMessageButtons::Ok ? TMessageAnswer::Ok
                                                          : TMessageAnswer::Cancel;
        const TMessageAnswer answer = MessageAnswers.front();
        MessageAnswers.pop_front();
        return answer;
    }
    bool ExecuteOpen(TFileDialog& dialog, QWidget* owner) override {
        const DialogFocus focus(owner);
        return answer(dialog);
    }
    bool ExecuteSave(TFileDialog& dialog, QWidget* owner) override {
        const DialogFocus focus(owner);
        return answer(dialog);
    }
    bool ExecuteFolder(TFolderDialog& dialog, QWidget* owner) override {
        const DialogFocus focus(owner);
        FolderDialogs.push_back(dialog);
        const auto chosen = nextAnswer();
        if (chosen)
            dialog.Folder = *chosen;
        return chosen.has_value();
    }

private:
    bool answer(TFileDialog& dialog) {
        FileDialogs.push_back(dialog);
        const auto chosen = nextAnswer();
        if (chosen)
            dialog.FileName = *chosen;
        return chosen.has_value();
    }
    std::optional<QString> nextAnswer() {
        if (FileAnswers.empty())
            throw std::logic_error("a file dialog nobody expected");
        const auto chosen = FileAnswers.front();
        FileAnswers.pop_front();
        return chosen;
    }
};
