#include "QtDialogService.h"

#include "WindowCaption.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace {

// A message box whose empty caption stays empty on the screen.
class TMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (windowTitle().isEmpty())
            ShowEmptyCaption(*this);
    }
};

bool execute(TFileDialog& dialog, QWidget* owner, QFileDialog::AcceptMode mode) {
    QFileDialog fileDialog(owner);
    fileDialog.setAcceptMode(mode);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    if (!dialog.Title.isEmpty())
        fileDialog.setWindowTitle(dialog.Title);
    fileDialog.setNameFilters(NameFilters(dialog.Filter));
    fileDialog.setDefaultSuffix(dialog.DefaultExtension);
    // Saving over a file is the command's business, not the dialog's.
    fileDialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!dialog.FileName.isEmpty()) {
        const QFileInfo last(dialog.FileName);
        if (last.dir().exists())
            fileDialog.setDirectory(last.dir());
        fileDialog.selectFile(last.fileName());
    }
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return false;
    dialog.FileName = fileDialog.selectedFiles().front();
    return true;
}

} // namespace

QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') +
                       QStringLiteral(")");
    return filters;
}

TMessageAnswer TQtDialogService::ShowMessage(const TMessageRequest& request) {
    const bool question = request.Buttons != TMessageButtons::Ok;
    TMessageBox box(request.Icon == TMessageIcon::Question ? QMessageBox::Question
                                                           : QMessageBox::Critical,
                    request.Caption, request.Text, QMessageBox::NoButton, request.Owner);
    std::map<QAbstractButton*, TMessageAnswer> answers;
    const auto add = [&](QMessageBox::StandardButton button, TMessageAnswer answer) {
        answers[box.addButton(button)] = answer;
    };
    switch (request.Buttons) {
    case TMessageButtons::Ok:
        add(QMessageBox::Ok, TMessageAnswer::Ok);
        break;
    case TMessageButtons::YesNoCancel:
        add(QMessageBox::Yes, TMessageAnswer::Yes);
        add(QMessageBox::No, TMessageAnswer::No);
        break;
    case TMessageButtons::ReplaceSkipCancel:
        answers[box.addButton(QCoreApplication::translate("QtDialogService", "&Replace"),
                              QMessageBox::AcceptRole)] = TMessageAnswer::Replace;
        answers[box.addButton(QCoreApplication::translate("QtDialogService", "&Skip Existing"),
                              QMessageBox::AcceptRole)] = TMessageAnswer::Skip;
        break;
    }
    if (question)
        add(QMessageBox::Cancel, TMessageAnswer::Cancel);
    // Closing the box from its title bar counts as Cancel.
    box.setEscapeButton(question ? box.button(QMessageBox::Cancel) : box.button(QMessageBox::Ok));
    box.exec();
    const auto chosen = answers.find(box.clickedButton());
    return chosen == answers.end() ? TMessageAnswer::Cancel : chosen->second;
}

bool TQtDialogService::ExecuteOpen(TFileDialog& dialog, QWidget* owner) {
    return execute(dialog, owner, QFileDialog::AcceptOpen);
}

bool TQtDialogService::ExecuteSave(TFileDialog& dialog, QWidget* owner) {
    return execute(dialog, owner, QFileDialog::AcceptSave);
}

bool TQtDialogService::ExecuteFolder(TFolderDialog& dialog, QWidget* owner) {
    QFileDialog folderDialog(owner, dialog.Title);
    folderDialog.setFileMode(QFileDialog::Directory);
    folderDialog.setOption(QFileDialog::ShowDirsOnly);
    if (!dialog.Folder.isEmpty() && QFileInfo(dialog.Folder).isDir())
        folderDialog.setDirectory(dialog.Folder);
    if (folderDialog.exec() != QDialog::Accepted || folderDialog.selectedFiles().isEmpty())
        return false;
    dialog.Folder = folderDialog.selectedFiles().front();
    return true;
}
