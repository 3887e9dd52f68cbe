#include "DockLayout.h"

#include <algorithm>
#include <climits>

namespace {

int highestRow(const std::vector<TDockBarState>& bars) {
    int highest = -1;
    for (const TDockBarState& bar : bars)
        highest = std::max(highest, bar.row);
    return highest;
}

bool rowUsed(const std::vector<TDockBarState>& bars, int row) {
    return std::any_of(bars.begin(), bars.end(),
                       [row](const TDockBarState& bar) { return bar.row == row; });
}

// One empty row is closed per row number scanned: of two adjacent empty rows one is left for
// the next arrangement.
void closeEmptyRows(std::vector<TDockBarState>& bars) {
    int highest = highestRow(bars);
    for (int row = 0; row <= highest; ++row) {
        if (rowUsed(bars, row))
            continue;
        for (TDockBarState& bar : bars)
            if (bar.row > row)
                --bar.row;
        --highest;
    }
}

void sortByRowAndPosition(std::vector<TDockBarState>& bars) {
    std::stable_sort(bars.begin(), bars.end(), [](const TDockBarState& a, const TDockBarState& b) {
        return a.row != b.row ? a.row < b.row : a.pos < b.pos;
    });
}

void giveFullSizeBarsTheirOwnRow(std::vector<TDockBarState>& bars) {
    for (int row = 0; row <= highestRow(bars); ++row) {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            if (bars[i].row != row || !bars[i].fullSize)
                continue;
            bool shared = false;
            for (std::size_t j = 0; j < bars.size(); ++j)
                shared = shared || (j != i && bars[j].row == row);
            if (!shared)
                continue;
            for (std::size_t j = 0; j < bars.size(); ++j)
                if (j != i && bars[j].row >= row)
                    ++bars[j].row;
            break;
        }
    }
    std::stable_sort(bars.begin(), bars.end(),
                     [](const TDockBarState& a, const TDockBarState& b) { return a.row < b.row; });
}

void removeOverlaps(std::vector<TDockBarState>& bars, int row) {
    int end = 0;
    for (TDockBarState& bar : bars) {
        if (bar.row != row || !bar.shown)
            continue;
        if (bar.fullSize) {
            bar.pos = 0;
            continue;
        }
        bar.pos = std::max(bar.pos, end);
        end = bar.pos + bar.length;
    }
}

// The displayed positions: pushed back inside the dock from its far end, never before its start.
void fitRow(const std::vector<TDockBarState>& bars, int row, int clientLength,
            std::vector<int>& shownPos) {
    std::vector<std::size_t> members;
    for (std::size_t i = 0; i < bars.size(); ++i)
        if (bars[i].row == row && bars[i].shown && !bars[i].fullSize)
            members.push_back(i);
    int limit = clientLength;
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        limit -= bars[*it].length;
        shownPos[*it] = std::min(shownPos[*it], limit);
        limit = shownPos[*it];
    }
    int end = 0;
    for (std::size_t i : members) {
        shownPos[i] = std::max(shownPos[i], end);
        end = shownPos[i] + bars[i].length;
    }
}

} // namespace

TDockArrangement ArrangeBars(const TDockArrangeInput& input) {
    TDockArrangement result;
    result.bars = input.bars;
    std::vector<TDockBarState>& bars = result.bars;

    const bool anyShown =
        std::any_of(bars.begin(), bars.end(), [](const TDockBarState& bar) { return bar.shown; });
    if (!anyShown) {
        result.thickness = input.designTime ? 9 : (input.fixAlign ? 1 : 0);
        return result;
    }

    if (input.limitToOneRow)
        for (TDockBarState& bar : bars)
            bar.row = 0;
    for (TDockBarState& bar : bars)
        bar.row = std::max(bar.row, 0);
    closeEmptyRows(bars);
    sortByRowAndPosition(bars);
    giveFullSizeBarsTheirOwnRow(bars);

    result.rowThickness = RowThicknessTable(bars);
    const int rows = static_cast<int>(result.rowThickness.size());

    for (int row = 0; row < rows; ++row)
        removeOverlaps(bars, row);

    std::vector<int> shownPos(bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i)
        shownPos[i] = bars[i].pos;
    for (int row = 0; row < rows; ++row)
        fitRow(bars, row, input.clientLength, shownPos);
    if (input.clipPositions)
        for (std::size_t i = 0; i < bars.size(); ++i)
            bars[i].pos = shownPos[i];

    const bool vertical = IsVerticalDock(input.position);
    int cross = 0;
    for (int row = 0; row < rows; ++row) {
        const int entry = result.rowThickness[row];
        const int thickness = entry != 0 ? entry + 2 * DockedBarFrame : 0;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const TDockBarState& bar = bars[i];
            if (bar.row != row || !bar.shown)
                continue;
            const int length = bar.fullSize ? input.clientLength : bar.length;
            const QRect bounds = vertical ? QRect(cross, shownPos[i], thickness, length)
                                          : QRect(shownPos[i], cross, length, thickness);
            result.placements.push_back({bar.key, bounds});
        }
        cross += thickness;
    }
    result.thickness = cross;
    return result;
}

std::vector<int> RowThicknessTable(const std::vector<TDockBarState>& bars) {
    std::vector<int> table(static_cast<std::size_t>(std::max(highestRow(bars), 0) + 1), 0);
    for (const TDockBarState& bar : bars) {
        const auto row = static_cast<std::size_t>(std::max(bar.row, 0));
        if (bar.shown)
            table[row] = std::max({table[row], bar.thickness, 8});
    }
    return table;
}

TRowHit RowAtPosition(const std::vector<int>& rowThickness, int offset) {
    const int highest = static_cast<int>(rowThickness.size()) - 1;
    long long start = 0;
    for (int row = 0; row <= highest + 1; ++row) {
        const bool real = row <= highest;
        if (real && rowThickness[row] == 0)
            continue;
        const long long end = real ? start + rowThickness[row] + 2 * DockedBarFrame : LLONG_MAX;
        if (offset < start + 5)
            return {row, true};
        if (real ? offset < end - 5 : true)
            return {row, false};
        start = end;
    }
    return {highest + 1, false};
}

bool TArrangeDeferral::request(bool clipPositions, bool loading) {
    if (m_counter > 0 || loading) {
        m_pending = true;
        m_pendingClip = m_pendingClip || clipPositions;
        return false;
    }
    return true;
}

bool TArrangeDeferral::end(bool& clipPositions) {
    if (m_counter > 0)
        --m_counter;
    if (m_counter > 0 || !m_pending)
        return false;
    clipPositions = m_pendingClip;
    clearPending();
    return true;
}

void TArrangeDeferral::clearPending() {
    m_pending = false;
    m_pendingClip = false;
}
