#include "ScenarioCommands.h"

#include "AppTexts.h"
#include "Paths.h"
#include "Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

std::size_t rowIndex(int row) {
    return static_cast<std::size_t>(row);
}

} // namespace

TScenarioCommands::TScenarioCommands(TScenarioListModel& list, const TTextCodec& codec,
                                     TDialogService& dialogs, TCommandState& state, QWidget* owner)
    : m_list(list), m_codec(codec), m_dialogs(dialogs), m_state(state),
      m_owner(owner), m_openScenarioDialog{{}, AppTexts::ScenarioFilter, {}, {}},
      m_extractDialog{
          AppTexts::ExtractScenarioTitle, AppTexts::ScenarioFilter, QStringLiteral("scn"), {}} {}

void TScenarioCommands::AddFiles(const QList<QByteArray>& paths) {
    TCampaign& campaign = m_list.Campaign();
    m_list.Edit(static_cast<int>(campaign.Count()), [&] {
        for (const QByteArray& path : paths)
            AddScenarioFile(campaign, ToFileSystemPath(path), m_codec);
    });
}

void TScenarioCommands::AddFiles(const QStringList& paths) {
    QList<QByteArray> native;
    for (const QString& path : paths)
        native << QFile::encodeName(path);
    AddFiles(native);
}

void TScenarioCommands::FileDropperDrop(const QByteArray& path) {
    const QByteArray fileName = path.mid(path.lastIndexOf('/') + 1);
    const qsizetype dot = fileName.lastIndexOf('.');
    const QByteArray extension = dot < 0 ? QByteArray() : fileName.mid(dot).toUpper();
    if (extension == ".SCN" || extension == ".SCX")
        AddFiles(QList<QByteArray>{path});
}

void TScenarioCommands::FileDropperDrop(const QString& path) {
    FileDropperDrop(QFile::encodeName(path));
}

void TScenarioCommands::RemoveItemClick(std::optional<int> focused) {
    if (!focused)
        return;
    TCampaign& campaign = m_list.Campaign();
    m_list.Edit(*focused, [&] {
        campaign.RemoveEntry(rowIndex(*focused));
        campaign.UpdateOffsets();
    });
}

void TScenarioCommands::ReplaceItemClick(std::optional<int> focused) {
    if (!focused)
        return;
    m_openScenarioDialog.Title = AppTexts::ReplaceScenarioTitle;
    if (!m_dialogs.ExecuteOpen(m_openScenarioDialog, m_owner))
        return;
    m_list.Edit(*focused, [&] {
        ReplaceScenarioFile(m_list.Campaign(), rowIndex(*focused),
                            ToFileSystemPath(m_openScenarioDialog.FileName), m_codec);
    });
}

void TScenarioCommands::InsertItemClick(std::optional<int> focused) {
    if (!focused)
        return;
    m_openScenarioDialog.Title = AppTexts::InsertScenarioTitle;
    if (!m_dialogs.ExecuteOpen(m_openScenarioDialog, m_owner))
        return;
    m_list.Edit(*focused, [&] {
        InsertScenarioFile(m_list.Campaign(), rowIndex(*focused),
                           ToFileSystemPath(m_openScenarioDialog.FileName), m_codec);
    });
}

void TScenarioCommands::SaveScnItemClick(std::optional<int> focused) {
    if (!focused)
        return;
    const TCampaignEntry& entry = m_list.Campaign().Entry(rowIndex(*focused));
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

void TScenarioCommands::stamp(int row, TScenarioVersion version) {
    m_list.Edit(row, [&] {
        StampScenarioVersion(*m_list.Campaign().Entry(rowIndex(row)).Scenario, version);
    });
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
