#pragma once

#include "DialogService.h"

#include <QStringList>

// Qt's own message boxes, file and folder dialogs.
class TQtDialogService : public TDialogService {
public:
    TMessageAnswer ShowMessage(const TMessageRequest& request) override;
    bool ExecuteOpen(TFileDialog& dialog, QWidget* owner) override;
    bool ExecuteSave(TFileDialog& dialog, QWidget* owner) override;
    bool ExecuteFolder(TFolderDialog& dialog, QWidget* owner) override;
};

// "Campaigns|*.cpn|Expansion Campaigns|*.cpx" as Qt's name filters.
QStringList NameFilters(const QString& filter);
