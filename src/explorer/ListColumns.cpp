#include "ListColumns.h"

std::vector<TListColumn> ColumnSet(TColumnType type, const std::array<int, 5>& w) {
    const Qt::Alignment right = Qt::AlignRight;
    switch (type) {
    case TColumnType::ctFileSystem:
        return {{"Name", w[0]},
                {"Size", w[1], right},
                {"Type", w[2]},
                {"Modified", w[3]},
                {"Attributes", w[4], right}};
    case TColumnType::ctMachine:
        return {{"Name", w[0]},
                {"Type", w[1]},
                {"Total Size", w[2], right},
                {"Free Space", w[3], right}};
    case TColumnType::ctControlPanel:
        return {{"Name", w[0]}, {"Description", w[1]}};
    case TColumnType::ctPrinters:
        return {{"Name", w[0]},
                {"Documents", w[1], Qt::AlignHCenter},
                {"Status", w[2]},
                {"Comment", w[3]}};
    case TColumnType::ctDUNet:
        return {{"Entry name", w[0]}, {"Phone #", w[1], right}, {"Device name", w[2]}};
    case TColumnType::ctNetwork:
        return {{"Name", w[0]}, {"Comment", w[1]}};
    case TColumnType::ctUser:
        return {};
    case TColumnType::ctUnknown:
        return {{"Name", w[0]}};
    }
    return {};
}
