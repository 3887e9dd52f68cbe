#pragma once

#include <QRect>
#include <QSize>
#include <vector>

// The toolbar's line layout as pure arithmetic: controls in toolbar order go in, their
// rectangles, the etched line breaks and the client size come out.

enum class TToolbarPlace { Floating, DockedHorizontal, DockedVertical };

struct TToolbarItem {
    QSize size; // the control's current size (a separator's is set by the layout)
    bool separator = false;
    int sizeHorz = 6;    // separator length in a horizontal toolbar
    int sizeVert = 6;    // separator length in a vertical toolbar
    bool blank = false;  // separator that draws nothing
    bool counted = true; // visible, or any control at design time
};

struct TToolbarLayoutInput {
    std::vector<TToolbarItem> items; // in toolbar order
    TToolbarPlace place = TToolbarPlace::DockedHorizontal;
    int floatRightX = 0;       // wrap width of a floating toolbar, 0 = one line
    int centringThickness = 0; // the dock row's thickness when measured for its own dock, 0 = none
};

struct TSeparatorLine {
    int y = 0; // the cross position of the new line
    bool blank = false;

    bool operator==(const TSeparatorLine&) const = default;
};

struct TToolbarLayoutResult {
    std::vector<QRect> rects; // one per item; items that are not counted keep a null rect
    std::vector<TSeparatorLine> separatorLines; // breaks that follow a separator (floating only)
    QSize clientSize;
};

struct TToolbarMargins {
    int alongStart = 0;
    int alongEnd = 0;
    int acrossStart = 0;
    int acrossEnd = 0;
};

TToolbarMargins ToolbarMarginsFor(TToolbarPlace place);

// The largest height (width on a vertical dock) of the counted controls that are not separators, at
// least 8.
int GetBarThickness(const std::vector<TToolbarItem>& items, bool vertical);

TToolbarLayoutResult ArrangeToolbarLine(const TToolbarLayoutInput& input);

// The order a toolbar starts with: by the stored leading positions (left edges, or top edges
// on a vertical dock), as indexes into `positions`.
std::vector<int> InitialControlOrder(const std::vector<int>& positions);

// The etched lines of the line breaks (floating only): shadow row, then highlight row.
inline int BreakShadowLineY(const TSeparatorLine& line) {
    return line.y - 4;
}
inline int BreakHighlightLineY(const TSeparatorLine& line) {
    return line.y - 3;
}
