#include "QtDialogService.h"

#include "WindowCaption.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

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
    const bool question = request.Buttons == TMessageButtons::YesNoCancel;
    TMessageBox box(
        request.Icon == TMessageIcon::Question ? QMessageBox::Question : QMessageBox::Critical,
        request.Caption, request.Text,
        question ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Ok,
        request.Owner);
    // Closing the box from its title bar counts as Cancel.
    box.setEscapeButton(question ? QMessageBox::Cancel : QMessageBox::Ok);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TMessageAnswer::Yes;
    case QMessageBox::No:
        return TMessageAnswer::No;
    case QMessageBox::Ok:
        return TMessageAnswer::Ok;
    default:
        return TMessageAnswer::Cancel;
    }
}

bool TQtDialogService::ExecuteOpen(TFileDialog& dialog, QWidget* owner) {
    return execute(dialog, owner, QFileDialog::AcceptOpen);
}

bool TQtDialogService::ExecuteSave(TFileDialog& dialog, QWidget* owner) {
    return execute(dialog, owner, QFileDialog::AcceptSave);
}
