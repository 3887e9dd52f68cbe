#include "CaptionWidths.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHash>
#include <algorithm>

int WidestCaptionWidth(const QFontMetrics& metrics, const QAbstractItemModel& model) {
    QHash<char32_t, int> advances;
    const auto advanceOf = [&](char32_t code) {
        auto found = advances.constFind(code);
        if (found == advances.cend()) {
            const char32_t one[] = {code};
            found = advances.insert(code, metrics.horizontalAdvance(QString::fromUcs4(one, 1)));
        }
        return *found;
    };
    int widest = 0;
    const int rows = model.rowCount();
    for (int row = 0; row < rows; ++row) {
        const QString caption = model.data(model.index(row, 0)).toString();
        int width = 0;
        for (qsizetype at = 0; at < caption.size(); ++at) {
            const QChar unit = caption[at];
            const bool pair = unit.isHighSurrogate() && at + 1 < caption.size() &&
                              caption[at + 1].isLowSurrogate();
            width += advanceOf(pair ? QChar::surrogateToUcs4(unit, caption[++at]) : unit.unicode());
        }
        widest = std::max(widest, width);
    }
    return widest == 0 ? 0 : widest + metrics.averageCharWidth();
}
