#include "ScenarioRenameDelegate.h"

#include "ScenarioListModel.h"

#include <QLineEdit>

namespace {

TStoredTextField fieldOfColumn(int column) {
    return column == TScenarioListModel::FileNameColumn ? TStoredTextField::FileName
                                                        : TStoredTextField::Name;
}

int columnOfField(TStoredTextField field) {
    return field == TStoredTextField::FileName ? TScenarioListModel::FileNameColumn
                                               : TScenarioListModel::NameColumn;
}

// A text left as it started keeps its stored bytes, those the code page does not define too.
std::string storedText(const QString& text, const QString& startText, const std::string& raw,
                       const TTextCodec& codec) {
    return text == startText ? raw : codec.FromUnicode(text.toStdString());
}

} // namespace

TScenarioRenameDelegate::TScenarioRenameDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), m_view(view) {}

QWidget* TScenarioRenameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                               const QModelIndex& index) const {
    auto* model = qobject_cast<TScenarioListModel*>(m_view->model());
    if (!m_codec || !model)
        return nullptr;
    if (!m_switchingField) {
        const TCampaignEntry& entry =
            model->Campaign().Entry(static_cast<std::size_t>(index.row()));
        const QString name = QString::fromStdString(m_codec->ToUnicode(entry.Name));
        const QString fileName = QString::fromStdString(m_codec->ToUnicode(entry.FileName));
        m_session = TSession{index.siblingAtColumn(TScenarioListModel::NameColumn),
                             entry.Name,
                             entry.FileName,
                             name,
                             fileName,
                             name,
                             fileName};
    }
    m_switchingField = false;
    m_session->Editing = fieldOfColumn(index.column());
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    const bool name = m_session->Editing == TStoredTextField::Name;
    auto* validator =
        new TStoredTextValidator(*m_codec, m_session->Editing,
                                 name ? m_session->StartName : m_session->StartFileName, editor);
    editor->setValidator(validator);
    connect(editor, &QLineEdit::inputRejected, this, [this, validator] {
        if (OnInputRefused)
            OnInputRefused(validator->LastRefusal());
    });
    return editor;
}

void TScenarioRenameDelegate::setEditorData(QWidget* editor, const QModelIndex&) const {
    const bool name = m_session->Editing == TStoredTextField::Name;
    static_cast<QLineEdit*>(editor)->setText(name ? m_session->Name : m_session->FileName);
}

void TScenarioRenameDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                           const QModelIndex&) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    (m_session->Editing == TStoredTextField::Name ? m_session->Name : m_session->FileName) = text;
}

TRenameEnd TScenarioRenameDelegate::EndEdit(QAbstractItemDelegate::EndEditHint hint) {
    if (!m_session)
        return {};
    TSession session = std::move(*m_session);
    m_session.reset();
    if (!session.Row.isValid() || hint == QAbstractItemDelegate::RevertModelCache)
        return {};
    // Two texts: Tab and Shift+Tab both move on to the other one, keeping what was typed.
    if (hint == QAbstractItemDelegate::EditNextItem ||
        hint == QAbstractItemDelegate::EditPreviousItem) {
        const TStoredTextField other = session.Editing == TStoredTextField::Name
                                           ? TStoredTextField::FileName
                                           : TStoredTextField::Name;
        const QModelIndex next = session.Row.sibling(session.Row.row(), columnOfField(other));
        m_session = std::move(session);
        m_switchingField = true;
        return {next, std::nullopt};
    }
    TScenarioRename rename{session.Row.row(),
                           storedText(session.Name, session.StartName, session.RawName, *m_codec),
                           std::nullopt};
    const std::string fileName =
        storedText(session.FileName, session.StartFileName, session.RawFileName, *m_codec);
    if (fileName != session.RawFileName)
        rename.RawFileName = fileName;
    if (rename.RawName == session.RawName && !rename.RawFileName)
        return {};
    return {QModelIndex(), std::move(rename)};
}

QModelIndex RenamedField(const QModelIndex& index, QAbstractItemView::EditTrigger trigger) {
    if (!index.isValid())
        return index;
    switch (trigger) {
    case QAbstractItemView::EditKeyPressed:
        return index.siblingAtColumn(TScenarioListModel::NameColumn);
    case QAbstractItemView::SelectedClicked:
    case QAbstractItemView::AllEditTriggers:
        return index.column() == TScenarioListModel::FileNameColumn
                   ? index
                   : index.siblingAtColumn(TScenarioListModel::NameColumn);
    default:
        return index;
    }
}
