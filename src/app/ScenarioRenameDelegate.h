#pragma once

#include "StoredTextValidator.h"

#include <QAbstractItemView>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>
#include <string>

// A finished in-place rename of one row: the name's bytes and, when changed, the file name's.
struct TScenarioRename {
    int Row = -1;
    std::string RawName;
    std::optional<std::string> RawFileName;
};

// Where closing an editor leads: to the row's other text (Tab, Shift+Tab), to a finished
// rename, or to nothing (Esc, or nothing changed).
struct TRenameEnd {
    QModelIndex NextField;
    std::optional<TScenarioRename> Rename;
};

// Edits a scenario's Name and File name in place as one rename. The texts typed pass the code
// page's validator; nothing is written to the model: the list hands the finished rename on.
class TScenarioRenameDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TScenarioRenameDelegate(QAbstractItemView* view);

    void setTextCodec(const TTextCodec* codec) { m_codec = codec; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Keeps the editor's text for the rename; the model is never written.
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // Called once the list has closed an editor with the hint its delegate gave.
    TRenameEnd EndEdit(QAbstractItemDelegate::EndEditHint hint);

    std::function<void(const QString& note)> OnInputRefused;

private:
    // The row being renamed: its stored bytes, the texts the editors started with and the
    // texts typed so far.
    struct TSession {
        QPersistentModelIndex Row;
        std::string RawName;
        std::string RawFileName;
        QString StartName;
        QString StartFileName;
        QString Name;
        QString FileName;
        TStoredTextField Editing = TStoredTextField::Name;
    };

    QAbstractItemView* m_view;
    const TTextCodec* m_codec = nullptr;
    // The delegate's editing calls are const, yet opening and closing editors is the rename.
    mutable std::optional<TSession> m_session;
    // Set while Tab or Shift+Tab moves the rename to the row's other text.
    mutable bool m_switchingField = false;
};

// The text an edit trigger opens: F2 opens the Name; a slow click opens the File name when
// that column was clicked and the Name otherwise. Other triggers keep their index.
QModelIndex RenamedField(const QModelIndex& index, QAbstractItemView::EditTrigger trigger);
