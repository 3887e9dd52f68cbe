#include "ToolbarSep.h"

#include "Docks.h"
#include "InvalidOperation.h"
#include "SystemColors.h"
#include "Toolbars.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QWidget* validatedParent(QWidget* parent) {
    if (!qobject_cast<TCustomToolbar*>(parent))
        throw EInvalidOperation(QStringLiteral("TToolbarSep can only be placed on a TToolbar"));
    return parent;
}

} // namespace

TToolbarSep::TToolbarSep(QWidget* parent) : QWidget(validatedParent(parent)) {
    resize(m_sizeHorz, m_sizeVert);
}

void TToolbarSep::setBlank(bool blank) {
    if (m_blank == blank)
        return;
    m_blank = blank;
    update();
}

void TToolbarSep::setSizeHorz(int size) {
    size = std::max(1, size);
    if (m_sizeHorz == size)
        return;
    m_sizeHorz = size;
    sizeChanged();
}

void TToolbarSep::setSizeVert(int size) {
    size = std::max(1, size);
    if (m_sizeVert == size)
        return;
    m_sizeVert = size;
    sizeChanged();
}

void TToolbarSep::sizeChanged() {
    if (auto* toolbar = qobject_cast<TCustomToolbar*>(parentWidget()))
        toolbar->ArrangeSelf();
}

bool TToolbarSep::inVerticalDock() const {
    const auto* toolbar = qobject_cast<const TCustomToolbar*>(parentWidget());
    return toolbar && toolbar->DockedTo() && IsVerticalDock(toolbar->DockedTo()->Position());
}

void TToolbarSep::paintEvent(QPaintEvent*) {
    if (m_blank)
        return;
    QPainter painter(this);
    if (inVerticalDock()) {
        painter.fillRect(0, height() / 2 - 1, width(), 1, SystemColors::btnShadow());
        painter.fillRect(0, height() / 2, width(), 1, SystemColors::btnHighlight());
    } else {
        painter.fillRect(width() / 2 - 1, 0, 1, height(), SystemColors::btnShadow());
        painter.fillRect(width() / 2, 0, 1, height(), SystemColors::btnHighlight());
    }
}

// A press on a separator belongs to the toolbar: ignored here, it goes on to the toolbar at
// the same screen point and starts a toolbar drag.
void TToolbarSep::mousePressEvent(QMouseEvent* event) {
    event->ignore();
}

void TToolbarSep::mouseDoubleClickEvent(QMouseEvent* event) {
    event->ignore();
}
