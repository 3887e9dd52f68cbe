#pragma once

#include "DockPosition.h"

#include <QRect>
#include <vector>

// The dock's arrangement as pure arithmetic: the dock hands over its bar list as plain values,
// gets back the rewritten rows and positions, the rectangle of every shown bar and its own
// thickness. Nothing here knows a widget.

struct TDockBarState {
    int key = 0;       // the caller's handle for the bar
    int row = 0;       // DockRow
    int pos = -1;      // DockPos, -1 = not yet placed
    int length = 0;    // outer extent along the dock's axis
    int thickness = 0; // GetBarThickness: content thickness across the dock, frame excluded
    bool fullSize = false;
    bool shown = true;
};

struct TDockArrangeInput {
    std::vector<TDockBarState> bars; // the bar list, visible or not
    TDockPosition position = TDockPosition::dpTop;
    int clientLength = 0; // the dock's client extent along its axis
    bool designTime = false;
    bool fixAlign = false;
    bool limitToOneRow = false;
    bool clipPositions = false;
};

struct TDockBarPlacement {
    int key = 0;
    QRect bounds; // in dock client coordinates
};

struct TDockArrangement {
    std::vector<TDockBarState> bars; // sorted by row, then position, rows and positions stored
    std::vector<TDockBarPlacement> placements; // shown bars in list order
    std::vector<int> rowThickness; // one entry per row 0..highest, 0 for rows without shown bars
    int thickness = 0;             // client thickness across the dock, bound lines excluded
};

// The frame a docked bar wears on both sides across the dock.
inline constexpr int DockedBarFrame = 2;

TDockArrangement ArrangeBars(const TDockArrangeInput& input);

// The row-thickness table of bars as they stand, rows left as they are: for each row up to
// the highest, the largest thickness of its shown bars (at least 8), 0 for a row without any.
std::vector<int> RowThicknessTable(const std::vector<TDockBarState>& bars);

struct TRowHit {
    int row = 0;
    bool before = false; // true: a new row is inserted before `row`

    bool operator==(const TRowHit&) const = default;
};

// Finds the row meant by an offset across the dock, measured from the start of its client area.
TRowHit RowAtPosition(const std::vector<int>& rowThickness, int offset);

// Deferral of arrangements: BeginArrange/EndArrange nest, requests made meanwhile are merged.
class TArrangeDeferral {
public:
    // Returns true when the arrangement may run now; otherwise it is remembered.
    bool request(bool clipPositions, bool loading);
    void begin() { ++m_counter; }
    // Returns true when the counter reached 0 with an arrangement pending; `clipPositions`
    // receives the remembered clip flag and the pending state is cleared.
    bool end(bool& clipPositions);
    // A running arrangement absorbs the requests made during it.
    void clearPending();
    bool deferred() const { return m_counter > 0; }
    bool pending() const { return m_pending; }

private:
    int m_counter = 0;
    bool m_pending = false;
    bool m_pendingClip = false;
};
