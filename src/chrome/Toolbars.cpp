#include "Toolbars.h"

#include "Docks.h"
#include "SystemColors.h"
#include "ToolbarSep.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

namespace {

// Visible controls take part; a control that was never explicitly hidden counts as visible
// (the toolkit hides children created inside a shown window until they are shown).
bool counted(const QWidget* control) {
    return !control->isHidden() || !control->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

} // namespace

TCustomToolbar::TCustomToolbar(QWidget* parent) : TCustomToolWindow(parent) {
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        controlAdded(child);
    ArrangeSelf();
}

void TCustomToolbar::setFloatRightX(int width) {
    m_floatRightX = std::max(0, width);
    ArrangeSelf();
}

std::vector<QWidget*> TCustomToolbar::OrderedControls() const {
    std::vector<QWidget*> controls;
    for (const QPointer<QWidget>& control : m_order)
        if (control)
            controls.push_back(control);
    return controls;
}

TToolbarPlace TCustomToolbar::PlaceFor(const TDock* dock) const {
    if (!dock)
        return TToolbarPlace::Floating;
    return IsVerticalDock(dock->Position()) ? TToolbarPlace::DockedVertical
                                            : TToolbarPlace::DockedHorizontal;
}

std::vector<TToolbarItem> TCustomToolbar::items() const {
    std::vector<TToolbarItem> items;
    for (QWidget* control : OrderedControls()) {
        TToolbarItem item;
        item.size = control->size();
        item.counted = counted(control);
        if (auto* separator = qobject_cast<TToolbarSep*>(control)) {
            item.separator = true;
            item.sizeHorz = separator->SizeHorz();
            item.sizeVert = separator->SizeVert();
            item.blank = separator->Blank();
        }
        items.push_back(item);
    }
    return items;
}

int TCustomToolbar::GetBarThickness(bool vertical) const {
    return ::GetBarThickness(items(), vertical);
}

TToolbarLayoutInput TCustomToolbar::layoutInput(const TDock* dock) const {
    TToolbarLayoutInput input;
    input.items = items();
    input.place = PlaceFor(dock);
    input.floatRightX = dock ? 0 : m_floatRightX;
    if (dock && dock == DockedTo())
        input.centringThickness = dock->RowThicknessFor(this);
    return input;
}

QSize TCustomToolbar::MeasureControls(const TDock* dock) const {
    return ArrangeToolbarLine(layoutInput(dock)).clientSize;
}

QSize TCustomToolbar::ArrangeControls(const TDock* dock) {
    const TToolbarLayoutInput input = layoutInput(dock);
    const TToolbarLayoutResult result = ArrangeToolbarLine(input);
    m_placing = true;
    const QMargins margins = FrameMarginsFor(dock);
    const QPoint origin(margins.left(), margins.top());
    const std::vector<QWidget*> controls = OrderedControls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!input.items[i].counted)
            continue;
        controls[i]->setGeometry(result.rects[i].translated(origin));
        if (controls[i]->isHidden())
            controls[i]->setVisible(true);
    }
    m_placing = false;
    // Controls that moved repaint themselves; the toolbar draws only its frame (repainted when
    // its size or style changes) and the line breaks.
    std::vector<TSeparatorLine> lines = dock ? std::vector<TSeparatorLine>{} : result.separatorLines;
    if (lines != m_separatorLines) {
        m_separatorLines = std::move(lines);
        update();
    }
    return result.clientSize;
}

void TCustomToolbar::Loaded() {
    std::vector<QWidget*> controls = OrderedControls();
    const bool vertical = DockedTo() && IsVerticalDock(DockedTo()->Position());
    std::vector<int> positions;
    for (QWidget* control : controls)
        positions.push_back(vertical ? control->y() : control->x());
    m_order.clear();
    for (int index : InitialControlOrder(positions))
        m_order.emplace_back(controls[index]);
    TCustomToolWindow::Loaded();
}

void TCustomToolbar::controlAdded(QWidget* control) {
    if (control->isWindow())
        return;
    m_order.erase(std::remove(m_order.begin(), m_order.end(), control), m_order.end());
    m_order.emplace_back(control);
    control->installEventFilter(this);
    requestArrange();
}

void TCustomToolbar::controlRemoved(QObject* control) {
    m_order.erase(std::remove_if(m_order.begin(), m_order.end(),
                                 [control](const QPointer<QWidget>& entry) {
                                     return !entry || entry == control;
                                 }),
                  m_order.end());
    requestArrange();
}

void TCustomToolbar::requestArrange() {
    // Coalesced: a control is not fully made when it is added, so it is measured a moment later.
    QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

bool TCustomToolbar::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (auto* control = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            controlAdded(control);
        break;
    case QEvent::ChildRemoved:
        controlRemoved(static_cast<QChildEvent*>(event)->child());
        break;
    case QEvent::LayoutRequest:
        ArrangeSelf();
        return true;
    default:
        break;
    }
    return TCustomToolWindow::event(event);
}

bool TCustomToolbar::eventFilter(QObject* watched, QEvent* event) {
    if (!m_placing && watched->parent() == this) {
        switch (event->type()) {
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::Resize:
            ArrangeSelf();
            break;
        default:
            break;
        }
    }
    return TCustomToolWindow::eventFilter(watched, event);
}

void TCustomToolbar::paintEvent(QPaintEvent* event) {
    TCustomToolWindow::paintEvent(event);
    if (DockedTo())
        return;
    QPainter painter(this);
    const QRect client = contentsRect();
    for (const TSeparatorLine& line : m_separatorLines) {
        if (line.blank)
            continue;
        painter.fillRect(client.left() + 1, client.top() + BreakShadowLineY(line),
                         client.width() - 2, 1, SystemColors::btnShadow());
        painter.fillRect(client.left() + 1, client.top() + BreakHighlightLineY(line),
                         client.width() - 2, 1, SystemColors::btnHighlight());
    }
}

std::vector<TFloatingSize> TCustomToolbar::FloatingSizes() {
    return FloatingSizeSteps(items());
}

bool TCustomToolbar::PassesPressesOn(const QWidget* control) const {
    return qobject_cast<const TToolbarSep*>(control) != nullptr;
}

void TCustomToolbar::ApplyFloatingWrap(int wrapWidth) {
    setFloatRightX(wrapWidth);
}
