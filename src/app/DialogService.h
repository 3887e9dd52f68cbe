#pragma once

#include <QString>

class QWidget;

// Everything the commands ask the user goes through this service, so that the window's
// commands can be driven by tests with scripted answers.

enum class TMessageIcon { Error, Question };
enum class TMessageButtons { Ok, YesNoCancel, ReplaceSkipCancel };
enum class TMessageAnswer { Ok, Yes, No, Cancel, Replace, Skip };

struct TMessageRequest {
    QString Caption;
    QString Text;
    TMessageIcon Icon = TMessageIcon::Error;
    TMessageButtons Buttons = TMessageButtons::Ok;
    // Without an owner the box stands alone (the screen-size message comes before any window).
    QWidget* Owner = nullptr;
};

// A file dialog that lives as long as the window: it keeps its last file name between uses.
struct TFileDialog {
    QString Title;            // empty: the system's default title
    QString Filter;           // "Description|*.ext|Description|*.ext"
    QString DefaultExtension; // appended when the typed name has none
    QString FileName;
};

// A folder dialog that lives as long as the window: it starts in the folder chosen last.
struct TFolderDialog {
    QString Title;
    QString Folder;
};

class TDialogService {
public:
    virtual ~TDialogService() = default;

    // Closing the box without choosing counts as Cancel (or Ok for a box with Ok alone).
    virtual TMessageAnswer ShowMessage(const TMessageRequest& request) = 0;
    // On OK the dialog's FileName becomes the chosen full path and true is returned.
    virtual bool ExecuteOpen(TFileDialog& dialog, QWidget* owner) = 0;
    virtual bool ExecuteSave(TFileDialog& dialog, QWidget* owner) = 0;
    // On OK the dialog's Folder becomes the chosen folder and true is returned.
    virtual bool ExecuteFolder(TFolderDialog& dialog, QWidget* owner) = 0;
};
