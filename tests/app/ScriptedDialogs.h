#pragma once

#include "DialogService.h"
#include "QtPrinters.h"

#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

// Answers the commands' questions from a script and records what was asked.
class ScriptedDialogs : public TDialogService {
public:
    std::deque<TMessageAnswer> MessageAnswers;
    // Each file dialog takes the next entry: a path for OK, nothing for Cancel.
    std::deque<std::optional<QString>> FileAnswers;

    std::vector<TMessageRequest> Messages;
    std::vector<TFileDialog> FileDialogs;

    TMessageAnswer ShowMessage(const TMessageRequest& request) override {
        Messages.push_back(request);
        if (MessageAnswers.empty())
            return request.Buttons == TMessageButtons::Ok ? TMessageAnswer::Ok
                                                          : TMessageAnswer::Cancel;
        const TMessageAnswer answer = MessageAnswers.front();
        MessageAnswers.pop_front();
        return answer;
    }
    bool ExecuteOpen(TFileDialog& dialog, QWidget*) override { return answer(dialog); }
    bool ExecuteSave(TFileDialog& dialog, QWidget*) override { return answer(dialog); }

private:
    bool answer(TFileDialog& dialog) {
        FileDialogs.push_back(dialog);
        if (FileAnswers.empty())
            throw std::logic_error("a file dialog nobody expected");
        const auto chosen = FileAnswers.front();
        FileAnswers.pop_front();
        if (!chosen)
            return false;
        dialog.FileName = *chosen;
        return true;
    }
};
