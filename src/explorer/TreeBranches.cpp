#include "TreeBranches.h"

#include "ReadableColors.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

namespace {

constexpr int kButtonSize = 9;

// The pixels of a dotted line: those whose coordinates add up to an even number, so that
// lines meeting at a corner and rows drawn one by one keep one even pattern.
void addDots(QPolygon& dots, const QLine& line) {
    const int dx = line.dx() == 0 ? 0 : (line.dx() > 0 ? 1 : -1);
    const int dy = line.dy() == 0 ? 0 : (line.dy() > 0 ? 1 : -1);
    QPoint point = line.p1();
    while (true) {
        if ((point.x() + point.y()) % 2 == 0)
            dots << point;
        if (point == line.p2())
            break;
        point += QPoint(dx, dy);
    }
}

// The button-shadow colour, lightened on a dark palette until it shows on the tree's ground.
QColor lineColor(const QPalette& colors) {
    const QColor shadow = colors.color(QPalette::Dark);
    if (!ReadableColors::isDarkPalette(colors))
        return shadow;
    return ReadableColors::readableOn(shadow, colors.color(QPalette::Base),
                                      ReadableColors::GraphicsContrast);
}

} // namespace

TTreeBranchRow TreeBranchRowOf(const QModelIndex& index, QRect area, int indent, bool expanded) {
    const QAbstractItemModel* model = index.model();
    TTreeBranchRow row;
    row.Area = area;
    row.Indent = indent;
    const QModelIndex parent = index.parent();
    row.LinkedAbove = index.row() > 0 || parent.isValid();
    row.SiblingBelow = index.row() < model->rowCount(parent) - 1;
    row.HasButton = model->hasChildren(index);
    row.Expanded = expanded;
    const int columns = indent > 0 ? area.width() / indent : 0;
    row.PassThrough.assign(std::size_t(std::max(0, columns - 1)), false);
    QModelIndex ancestor = parent;
    for (int column = columns - 2; column >= 0 && ancestor.isValid(); --column) {
        row.PassThrough[std::size_t(column)] =
            ancestor.row() < model->rowCount(ancestor.parent()) - 1;
        ancestor = ancestor.parent();
    }
    return row;
}

TTreeBranchShapes TreeBranchShapes(const TTreeBranchRow& row, TTreeBranchOptions options) {
    TTreeBranchShapes shapes;
    if (row.Indent <= 0 || row.Area.width() < row.Indent)
        return shapes;
    const int columns = row.Area.width() / row.Indent;
    const int centreY = row.Area.top() + row.Area.height() / 2;
    const auto centreX = [&row](int column) {
        return row.Area.left() + column * row.Indent + row.Indent / 2;
    };
    const int own = columns - 1;
    if (options.ShowLines) {
        for (int column = 0; column < own && column < int(row.PassThrough.size()); ++column) {
            if (row.PassThrough[std::size_t(column)])
                shapes.Lines.emplace_back(centreX(column), row.Area.top(), centreX(column),
                                          row.Area.bottom());
        }
        const int x = centreX(own);
        if (row.LinkedAbove)
            shapes.Lines.emplace_back(x, row.Area.top(), x, centreY);
        if (row.SiblingBelow)
            shapes.Lines.emplace_back(x, centreY, x, row.Area.bottom());
        shapes.Lines.emplace_back(x, centreY, row.Area.left() + columns * row.Indent - 1, centreY);
    }
    if (options.ShowButtons && row.HasButton) {
        shapes.Button = QRect(centreX(own) - kButtonSize / 2, centreY - kButtonSize / 2,
                              kButtonSize, kButtonSize);
        shapes.Minus = row.Expanded;
    }
    return shapes;
}

void PaintTreeBranches(QPainter& painter, const TTreeBranchShapes& shapes, const QPalette& colors) {
    // Every dot and line is a filled rectangle of whole pixels, not a pen's line: at any scale
    // factor it covers whole screen pixels, where a pen would straddle its pixel's edge.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPolygon dots;
    for (const QLine& line : shapes.Lines)
        addDots(dots, line);
    const QColor dark = lineColor(colors);
    for (const QPoint& dot : dots)
        painter.fillRect(QRect(dot, QSize(1, 1)), dark);
    if (!shapes.Button.isEmpty()) {
        const QRect box = shapes.Button;
        painter.fillRect(box, colors.color(QPalette::Base));
        painter.fillRect(box.left(), box.top(), box.width(), 1, dark);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, dark);
        painter.fillRect(box.left(), box.top(), 1, box.height(), dark);
        painter.fillRect(box.right(), box.top(), 1, box.height(), dark);
        const QPoint centre = box.center();
        const QColor text = colors.color(QPalette::Text);
        painter.fillRect(centre.x() - 2, centre.y(), 5, 1, text);
        if (!shapes.Minus)
            painter.fillRect(centre.x(), centre.y() - 2, 1, 5, text);
    }
    painter.restore();
}
