#include "CampaignCommands.h"

#include "AppTexts.h"
#include "CampaignError.h"
#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QUndoStack>

TCampaignCommands::TCampaignCommands(TScenarioListModel& list, const TTextCodec& codec,
                                     TDialogService& dialogs, TCampaignWindow& window,
                                     QUndoStack& history)
    : m_list(list), m_codec(codec), m_dialogs(dialogs), m_window(window),
      m_history(history), m_openDialog{{}, AppTexts::CampaignFilter(), {}, {}},
      m_saveDialog{{}, AppTexts::CampaignFilter(), QStringLiteral("cpn"), {}} {}

void TCampaignCommands::NewCampaign() {
    m_list.Reset([&] { m_list.Campaign().NewCampaign(); });
    m_history.clear();
    m_openDialog.FileName.clear();
    m_saveDialog.FileName.clear();
    m_window.setCaption(AppTexts::WindowTitleFor(AppTexts::UntitledFileName()));
    m_window.RebuildExplorer();
    m_window.CampaignChecked({});
}

bool TCampaignCommands::savedOrDiscarded() {
    const TMessageAnswer answer =
        m_dialogs.ShowMessage({QString(), AppTexts::SaveQuestion(), TMessageIcon::Question,
                               TMessageButtons::YesNoCancel, m_window.Owner()});
    switch (answer) {
    case TMessageAnswer::Yes:
        // A cancelled Save As keeps the campaign; a failed save throws and ends the command.
        return SaveItemClick();
    case TMessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void TCampaignCommands::NewItemClick() {
    if (savedOrDiscarded())
        NewCampaign();
}

void TCampaignCommands::OpenItemClick() {
    const QString remembered = m_openDialog.FileName;
    if (!m_dialogs.ExecuteOpen(m_openDialog, m_window.Owner()))
        return;
    const QString chosen = m_openDialog.FileName;
    // A file that does not load leaves the remembered name as it was, so that Save never
    // writes the open campaign over a file the user only tried to open.
    m_openDialog.FileName = remembered;
    if (load(QFile::encodeName(QFileInfo(chosen).absoluteFilePath())))
        m_openDialog.FileName = chosen;
}

bool TCampaignCommands::OpenRecentCampaign(const QByteArray& path) {
    if (!load(path))
        return false;
    // A name that is not valid UTF-8 does not survive as text: Save then asks for a name
    // instead of writing the campaign beside it under a garbled one.
    const QString name = QFile::decodeName(path);
    m_openDialog.FileName = QFile::encodeName(name) == path ? name : QString();
    return true;
}

bool TCampaignCommands::load(const QByteArray& path) {
    TLoadResult result = LoadCampaign(ToFileSystemPath(path));
    if (auto* rejection = std::get_if<TCampaignRejection>(&result)) {
        m_dialogs.ShowMessage({QString(), QString::fromStdString(rejection->Message),
                               TMessageIcon::Error, TMessageButtons::Ok, m_window.Owner()});
        return false;
    }
    m_list.Reset([&] { m_list.Campaign() = std::move(std::get<TCampaign>(result)); });
    m_history.clear();
    m_window.setCaption(AppTexts::WindowTitleFor(QFileInfo(QFile::decodeName(path)).fileName()));
    m_window.RebuildExplorer();
    m_window.CampaignChecked(checkedFile(path));
    m_window.CampaignUsed(path);
    return true;
}

TCampaignReport TCampaignCommands::checkedFile(const QByteArray& path) const {
    // The file was just read whole; one that cannot be read again now is checked as the
    // model holds it.
    try {
        return CheckCampaign(ToFileSystemPath(path));
    } catch (const ECampaignError&) {
        return CheckCampaign(m_list.Campaign());
    }
}

void TCampaignCommands::save(const QString& path) {
    const auto shown = qScopeGuard([this] { m_list.Sync(); });
    SaveCampaign(m_list.Campaign(), ToFileSystemPath(path), m_codec);
    m_window.setCaption(AppTexts::WindowTitleFor(QFileInfo(path).fileName()));
    // The saved file holds the model laid out afresh: its check is the model's.
    m_window.CampaignChecked(CheckCampaign(m_list.Campaign()));
    m_window.CampaignUsed(QFile::encodeName(QFileInfo(path).absoluteFilePath()));
}

bool TCampaignCommands::SaveItemClick() {
    if (m_openDialog.FileName.isEmpty())
        return SaveAsItemClick();
    save(m_openDialog.FileName);
    return true;
}

bool TCampaignCommands::SaveAsItemClick() {
    if (!m_dialogs.ExecuteSave(m_saveDialog, m_window.Owner()))
        return false;
    save(m_saveDialog.FileName);
    m_openDialog.FileName = m_saveDialog.FileName;
    return true;
}

bool TCampaignCommands::FormCloseQuery() {
    return savedOrDiscarded();
}

void TCampaignCommands::CommandLineOpen(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.front().isEmpty())
        return;
    QFile file(arguments.front());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    file.close();
    load(QFile::encodeName(QFileInfo(file).absoluteFilePath()));
}
