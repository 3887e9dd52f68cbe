#pragma once

#include <optional>

// Where a scenario row dragged inside the scenario list lands. The places between rows are
// gaps: gap g lies just above row g, and gap `rowCount` is the end of the list.

// A row as the list shows it: its index and its band of pixels in viewport coordinates, top
// included, bottom excluded.
struct TRowBand {
    int Row = 0;
    int Top = 0;
    int Bottom = 0;
};

// The gap a drop at height y goes to: over the upper half of a row the gap above it, over its
// lower half the gap below it; where no row is under the pointer (below the last row, or an
// empty list) the end.
int DropGapAt(int y, const std::optional<TRowBand>& rowUnderPointer, int rowCount);

// The index row `from` ends at when it is dropped into `gap`; none when the drop would change
// nothing (the gaps just above and below the row) or either lies outside the list.
std::optional<int> MovedRowTarget(int from, int gap, int rowCount);

// The top of the two-pixel drop line drawn on the boundary between rows at height
// `boundaryY`, kept whole inside a viewport of the given height.
int DropLineTop(int boundaryY, int viewportHeight);

// Rows to scroll by (-1, 0, 1) while a row is dragged at height y: within `margin` pixels of
// the viewport's top or bottom edge the list scrolls that way (in a viewport lower than both
// margins, each half towards its own edge).
int AutoscrollRows(int y, int viewportHeight, int margin);
