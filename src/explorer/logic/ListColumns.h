#pragma once

#include <QString>
#include <Qt>
#include <array>
#include <vector>

// One column of the file list's report view.
struct TListColumn {
    QString Caption;
    int Width = 0;
    Qt::Alignment Alignment = Qt::AlignLeft;
};

enum class TColumnType {
    ctFileSystem,
    ctMachine,
    ctControlPanel,
    ctPrinters,
    ctDUNet,
    ctNetwork,
    ctUser,
    ctUnknown
};

// The columns of a set, with widths W0 to W4 from widths; ctUser has none of its own (its
// handler builds them).
std::vector<TListColumn> ColumnSet(TColumnType type, const std::array<int, 5>& widths);
