#include "ScenarioCommands.h"

#include "AppTexts.h"
#include "CommandDispatcher.h"
#include "ContentCommands.h"
#include "EntryCommands.h"
#include "FolderExport.h"
#include "Paths.h"
#include "TextCommands.h"
#include "Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

std::size_t rowIndex(int row) {
    return static_cast<std::size_t>(row);
}

// How much of Save All's work shows before its progress dialog comes.
constexpr int ProgressDelayMs = 500;
constexpr int ProgressSteps = 1000;

QString existingFilesQuestion(std::size_t existing, std::size_t total, const QString& folder) {
    const QString text =
        existing == 1 ? AppTexts::SaveAllOneExists() : AppTexts::SaveAllSomeExist();
    return text.arg(existing).arg(total).arg(QDir::toNativeSeparators(folder));
}

std::optional<TExistingFiles> existingFilesAnswer(TMessageAnswer answer) {
    switch (answer) {
    case TMessageAnswer::Replace:
        return TExistingFiles::Replace;
    case TMessageAnswer::Skip:
        return TExistingFiles::Skip;
    default:
        return std::nullopt;
    }
}

} // namespace

TScenarioCommands::TScenarioCommands(TCampaign& campaign, const TTextCodec& codec,
                                     TDialogService& dialogs, TCommandState& state, QWidget* owner,
                                     TCommandDispatcher& dispatcher)
    : m_campaign(campaign), m_codec(codec), m_dialogs(dialogs), m_state(state), m_owner(owner),
      m_dispatcher(dispatcher), m_openScenarioDialog{{}, AppTexts::ScenarioFilter(), {}, {}},
      m_extractDialog{
          AppTexts::ExtractScenarioTitle(), AppTexts::ScenarioFilter(), QStringLiteral("scn"), {}},
      m_saveAllDialog{AppTexts::SaveAllTitle(), {}} {}

void TScenarioCommands::AddFiles(const QList<QByteArray>& paths) {
    if (paths.isEmpty())
        return;
    std::vector<std::filesystem::path> files;
    for (const QByteArray& path : paths)
        files.push_back(ToFileSystemPath(path));
    m_dispatcher.Push(TInsertEntriesCommand::Add(m_campaign, files, m_codec));
}

void TScenarioCommands::AddFiles(const QStringList& paths) {
    QList<QByteArray> native;
    for (const QString& path : paths)
        native << QFile::encodeName(path);
    AddFiles(native);
}

void TScenarioCommands::FileDropperDrop(const QList<QByteArray>& paths) {
    QList<QByteArray> scenarios;
    for (const QByteArray& path : paths) {
        const QByteArray fileName = path.mid(path.lastIndexOf('/') + 1);
        const qsizetype dot = fileName.lastIndexOf('.');
        const QByteArray extension = dot < 0 ? QByteArray() : fileName.mid(dot).toUpper();
        if (extension == ".SCN" || extension == ".SCX")
            scenarios << path;
    }
    AddFiles(scenarios);
}

void TScenarioCommands::RemoveItemClick(std::optional<int> focused) {
    if (focused)
        m_dispatcher.Push(std::make_unique<TRemoveEntryCommand>(m_campaign, rowIndex(*focused)));
}

void TScenarioCommands::ReplaceItemClick(std::optional<int> focused) {
    if (!focused)
        return;
    m_openScenarioDialog.Title = AppTexts::ReplaceScenarioTitle();
    if (!m_dialogs.ExecuteOpen(m_openScenarioDialog, m_owner))
        return;
    m_dispatcher.Push(std::make_unique<TReplaceEntryCommand>(
        m_campaign, rowIndex(*focused), ToFileSystemPath(m_openScenarioDialog.FileName),
        m_codec));
}

void TScenarioCommands::InsertItemClick(std::optional<int> focused) {
    if (!focused)
        return;
    m_openScenarioDialog.Title = AppTexts::InsertScenarioTitle();
    if (!m_dialogs.ExecuteOpen(m_openScenarioDialog, m_owner))
        return;
    m_dispatcher.Push(TInsertEntriesCommand::Insert(
        m_campaign, rowIndex(*focused), ToFileSystemPath(m_openScenarioDialog.FileName), m_codec));
}

void TScenarioCommands::SaveScnItemClick(std::optional<int> focused) {
    if (!focused)
        return;
    const TCampaignEntry& entry = m_campaign.Entry(rowIndex(*focused));
    // The stored name is only a suggestion: it may not steer the file into another folder.
    const QString suggested =
        QString::fromStdString(SafeFileName(m_codec.ToUnicode(entry.FileName), "Scenario.scn"));
    // The dialog stays in the folder it was last used in.
    m_extractDialog.FileName = m_extractDialog.FileName.isEmpty()
                                   ? suggested
                                   : QFileInfo(m_extractDialog.FileName).dir().filePath(suggested);
    if (!m_dialogs.ExecuteSave(m_extractDialog, m_owner))
        return;
    ExportScenario(*entry.Scenario, ToFileSystemPath(m_extractDialog.FileName));
}

void TScenarioCommands::SaveAllItemClick() {
    if (m_campaign.Count() == 0 || !m_dialogs.ExecuteFolder(m_saveAllDialog, m_owner))
        return;
    const std::vector<TExportTarget> targets =
        PlanFolderExport(m_campaign, ToFileSystemPath(m_saveAllDialog.Folder), m_codec);
    // Without files in the way none is replaced, not even one that comes while saving.
    TExistingFiles existing = TExistingFiles::Skip;
    if (const std::size_t count = CountExisting(targets)) {
        const auto answer = existingFilesAnswer(m_dialogs.ShowMessage(
            {{},
             existingFilesQuestion(count, targets.size(), m_saveAllDialog.Folder),
             TMessageIcon::Question,
             TMessageButtons::ReplaceSkipCancel,
             m_owner}));
        if (!answer)
            return;
        existing = *answer;
    }
    QProgressDialog progress(AppTexts::SaveAllProgress(),
                             QCoreApplication::translate("ScenarioCommands", "Cancel"), 0,
                             ProgressSteps, m_owner);
    progress.setWindowTitle(AppTexts::SaveAllProgressTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ProgressDelayMs);
    progress.setAutoReset(false);
    progress.setValue(0);
    // Once the dialog shows, each step lets the window repaint and Cancel be pressed.
    const TExportProgress showProgress = [&progress](std::int64_t written, std::int64_t total) {
        progress.setValue(total == 0 ? ProgressSteps
                                     : static_cast<int>(written * ProgressSteps / total));
        return !progress.wasCanceled();
    };
    ExportToFolder(m_campaign, targets, existing, showProgress);
}

void TScenarioCommands::MoveItemClick(std::optional<int> focused, int step) {
    if (!focused)
        return;
    const int to = *focused + step;
    // At either end there is no neighbour to change places with.
    if (to >= 0 && to < static_cast<int>(m_campaign.Count()))
        MoveEntry(*focused, to);
}

void TScenarioCommands::MoveEntry(int from, int to) {
    if (from != to)
        m_dispatcher.Push(
            std::make_unique<TMoveEntryCommand>(m_campaign, rowIndex(from), rowIndex(to)));
}

void TScenarioCommands::Rename(int row, std::string rawName,
                               std::optional<std::string> rawFileName) {
    RequireEntryIndex(rowIndex(row), m_campaign.Count());
    const TCampaignEntry& entry = m_campaign.Entry(rowIndex(row));
    if (rawFileName == entry.FileName)
        rawFileName.reset();
    if (rawName == entry.Name && !rawFileName)
        return;
    m_dispatcher.Push(std::make_unique<TRenameEntryCommand>(
        m_campaign, rowIndex(row), std::move(rawName), std::move(rawFileName)));
}

void TScenarioCommands::stamp(int row, TScenarioVersion version) {
    m_dispatcher.Push(std::make_unique<TSetVersionCommand>(m_campaign, rowIndex(row), version));
}

void TScenarioCommands::setVersion(std::optional<int> focused, TScenarioVersion version) {
    if (!focused)
        return;
    // A refused stamp leaves the display as it was.
    stamp(*focused, version);
    m_state.VersionText = VersionText(version);
}

void TScenarioCommands::VersionBtnClick(std::optional<int> focused) {
    if (!focused)
        return;
    if (const auto version = ParseVersionText(m_state.VersionText))
        stamp(*focused, *version);
}

void TScenarioCommands::ChooseVersion(TScenarioVersion version) {
    m_state.VersionText = VersionText(version);
}
