#pragma once

#include <QTreeView>
#include <functional>
#include <optional>
#include <string>

class TScenarioRenameDelegate;
class TScenarioRowDrag;
class TTextCodec;

// The campaign's scenario list: report style, one selected row at most. It reports what the
// command enabling rules look at: row changes, entering and leaving the list, drags over it and
// drops on it, released keys. A row dragged to another place in the list asks for its move;
// such a drag never reaches the drop handling of files. A row's Name and File name are edited
// in place (F2, or a slow second click on the selected row); the list never writes the model
// but reports the rename.
class TScenarioListView : public QTreeView {
    Q_OBJECT
public:
    explicit TScenarioListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    // The row with the keyboard focus rectangle.
    std::optional<int> FocusedRow() const;
    bool IsRowSelected(int row) const;

    // The code page the names are edited in; without one nothing is edited.
    void setTextCodec(const TTextCodec* codec);
    // Opens the in-place editor on the focused row's Name.
    void StartRename();
    using QTreeView::edit;

    // A row's selection state or texts changed; selected tells whether it is selected now.
    std::function<void(TScenarioListView* sender, int row, bool selected)> OnChange;
    std::function<void(TScenarioListView* sender)> OnEnter;
    std::function<void(TScenarioListView* sender)> OnExit;
    std::function<void(TScenarioListView* sender, QObject* source, bool& accept)> OnDragOver;
    std::function<void(TScenarioListView* sender, QObject* source)> OnDragDrop;
    std::function<void(TScenarioListView* sender, int key, Qt::KeyboardModifiers shift)> OnKeyUp;
    // A row was dropped elsewhere in the list: the entry at row `from` is to end at index `to`
    // (never the same).
    std::function<void(TScenarioListView* sender, int from, int to)> OnMoveRow;
    // An in-place rename was committed (Enter, or the focus went elsewhere) and changed
    // something: the name's bytes in the code page (the stored ones when the name was left as
    // it was) and the file name's, when it was changed.
    std::function<void(TScenarioListView* sender, int row, std::string rawName,
                       std::optional<std::string> rawFileName)>
        OnRename;
    // A typed or pasted text was refused; the note says why, for the status line.
    std::function<void(TScenarioListView* sender, const QString& note)> OnInputRefused;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    // After the program changed the rows, the focused row is reported (or, without one or
    // without the focus, the change counts as one of an unselected row).
    void reportFocusedRow();
    void acceptDrag(QDragMoveEvent* event);

    TScenarioRowDrag* m_rowDrag;
    TScenarioRenameDelegate* m_rename;
};
