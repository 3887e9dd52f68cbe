#include "ScenarioListView.h"

#include "FocusFrame.h"
#include "ScenarioListModel.h"
#include "ScenarioRenameDelegate.h"
#include "ScenarioRowDrag.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

// Opening a menu or a dialog does not take the focus from the list: the commands they hold
// act on its focused row.
bool leavesForGood(const QFocusEvent* event) {
    return event->reason() != Qt::PopupFocusReason &&
           event->reason() != Qt::ActiveWindowFocusReason;
}

} // namespace

TScenarioListView::TScenarioListView(QWidget* parent)
    : QTreeView(parent), m_rename(new TScenarioRenameDelegate(this)) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(m_rename);
    m_rename->OnInputRefused = [this](const QString& note) {
        if (OnInputRefused)
            OnInputRefused(this, note);
    };
    setSortingEnabled(false);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    m_rowDrag = new TScenarioRowDrag(*this);
    m_rowDrag->OnMove = [this](int from, int to) {
        if (OnMoveRow)
            OnMoveRow(this, from, to);
    };
}

void TScenarioListView::setModel(QAbstractItemModel* model) {
    QTreeView::setModel(model);
    const int widths[] = {200, 200, 75, 75};
    for (int column = 0; column < 4; ++column)
        setColumnWidth(column, widths[column]);
    connect(model, &QAbstractItemModel::dataChanged, this, &TScenarioListView::reportFocusedRow);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TScenarioListView::reportFocusedRow);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TScenarioListView::reportFocusedRow);
    connect(model, &QAbstractItemModel::modelReset, this, &TScenarioListView::reportFocusedRow);
}

void TScenarioListView::setTextCodec(const TTextCodec* codec) {
    m_rename->setTextCodec(codec);
}

void TScenarioListView::StartRename() {
    if (const auto row = FocusedRow())
        edit(model()->index(*row, TScenarioListModel::NameColumn));
}

bool TScenarioListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    return QTreeView::edit(RenamedField(index, trigger), trigger, event);
}

void TScenarioListView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // The rename moves between the row's two texts itself and never goes through the model.
    QTreeView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    TRenameEnd end = m_rename->EndEdit(hint);
    if (end.NextField.isValid())
        edit(end.NextField);
    else if (end.Rename && OnRename)
        OnRename(this, end.Rename->Row, std::move(end.Rename->RawName),
                 std::move(end.Rename->RawFileName));
}

std::optional<int> TScenarioListView::FocusedRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return current.row();
}

bool TScenarioListView::IsRowSelected(int row) const {
    return selectionModel() && model() && selectionModel()->isRowSelected(row, QModelIndex());
}

void TScenarioListView::selectionChanged(const QItemSelection& selected,
                                         const QItemSelection& deselected) {
    QTreeView::selectionChanged(selected, deselected);
    // A row chosen without the keyboard or the mouse (by assistive technology) becomes the
    // focused one, as a click makes it: the commands it enables act on the focused row.
    if (!selected.isEmpty() && currentIndex().row() != selected.first().top())
        selectionModel()->setCurrentIndex(selected.first().topLeft(),
                                          QItemSelectionModel::NoUpdate);
    if (!OnChange)
        return;
    for (const QItemSelection* changes : {&deselected, &selected})
        for (const QItemSelectionRange& range : *changes)
            for (int row = range.top(); row <= range.bottom(); ++row)
                OnChange(this, row, IsRowSelected(row));
}

void TScenarioListView::reportFocusedRow() {
    if (!OnChange)
        return;
    // While another control of the window has the focus, a change the program made to the
    // rows counts as one of an unselected row: the list's commands stay off until the list is
    // entered again. A dialog or a menu in front of the window does not take the focus from
    // the list, so the commands they run keep the list's state.
    const auto row = FocusedRow();
    const bool listFocused = window()->focusWidget() == this;
    OnChange(this, row.value_or(-1), row && listFocused && IsRowSelected(*row));
}

void TScenarioListView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    if (OnEnter && leavesForGood(event))
        OnEnter(this);
}

void TScenarioListView::focusOutEvent(QFocusEvent* event) {
    QTreeView::focusOutEvent(event);
    if (OnExit && leavesForGood(event))
        OnExit(this);
}

void TScenarioListView::keyReleaseEvent(QKeyEvent* event) {
    QTreeView::keyReleaseEvent(event);
    if (OnKeyUp && !event->isAutoRepeat())
        OnKeyUp(this, event->key(), event->modifiers());
}

void TScenarioListView::acceptDrag(QDragMoveEvent* event) {
    bool accept = false;
    if (OnDragOver)
        OnDragOver(this, event->source(), accept);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TScenarioListView::dragEnterEvent(QDragEnterEvent* event) {
    acceptDrag(event);
}

void TScenarioListView::dragMoveEvent(QDragMoveEvent* event) {
    acceptDrag(event);
}

void TScenarioListView::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    if (OnDragDrop)
        OnDragDrop(this, event->source());
}

void TScenarioListView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    m_rowDrag->PaintDropLine();
    PaintFocusFrameWhenEmpty(*this);
}
