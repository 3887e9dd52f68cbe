#pragma once

#include <QLine>
#include <QRect>
#include <vector>

class QModelIndex;
class QPainter;
class QPalette;

// What one row of the folder tree shows left of its icon: one indentation column per level
// drawn, the last one the row's own.
struct TTreeBranchRow {
    QRect Area;
    int Indent = 19;
    // For each column left of the row's own, from the left: whether the ancestor the column
    // belongs to has a sibling further down, so that its line passes through this row.
    std::vector<bool> PassThrough;
    // A sibling or the parent above: the row's line reaches up to the row's top.
    bool LinkedAbove = false;
    // A sibling below: the line goes on to the row's bottom.
    bool SiblingBelow = false;
    bool HasButton = false;
    bool Expanded = false;
};

// The row of the item at index, drawn in area with the given indentation.
TTreeBranchRow TreeBranchRowOf(const QModelIndex& index, QRect area, int indent, bool expanded);

struct TTreeBranchOptions {
    bool ShowLines = true;
    bool ShowButtons = true;
};

// The connecting lines (drawn dotted) and the expand button of one row.
struct TTreeBranchShapes {
    std::vector<QLine> Lines;
    // Empty when the row shows no button.
    QRect Button;
    // The button shows "-" (expanded) rather than "+".
    bool Minus = false;
};

TTreeBranchShapes TreeBranchShapes(const TTreeBranchRow& row, TTreeBranchOptions options);

// Paints the shapes: lines as every other pixel in the button-shadow colour, the button as a
// box in that colour filled with the base colour and holding a "+" or "-" in text colour. On a
// dark palette the shadow colour is lightened until the lines show on the base colour.
void PaintTreeBranches(QPainter& painter, const TTreeBranchShapes& shapes, const QPalette& colors);
