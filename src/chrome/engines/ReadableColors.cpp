#include "ReadableColors.h"

#include <QHash>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace ReadableColors {

namespace {

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor mixed(const QColor& colour, const QColor& towards, double share) {
    const auto channel = [share](int from, int to) {
        return int(std::lround(from + (to - from) * share));
    };
    return QColor(channel(colour.red(), towards.red()), channel(colour.green(), towards.green()),
                  channel(colour.blue(), towards.blue()), colour.alpha());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool lightOnDark(const QColor& text, const QColor& ground) {
    return luminance(ground) < luminance(text);
}

bool isDarkPalette(const QPalette& palette) {
    return lightOnDark(palette.color(QPalette::WindowText), palette.color(QPalette::Window));
}

QColor readableOn(const QColor& colour, const QColor& ground, double minimum) {
    if (contrastRatio(colour, ground) >= minimum)
        return colour;
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    const QColor extreme =
        contrastRatio(white, ground) >= contrastRatio(black, ground) ? white : black;
    // Mixing in steps small enough that the colour keeps as much of itself as it can.
    constexpr int Steps = 64;
    for (int step = 1; step < Steps; ++step) {
        const QColor candidate = mixed(colour, extreme, double(step) / Steps);
        if (contrastRatio(candidate, ground) >= minimum)
            return candidate;
    }
    return mixed(colour, extreme, 1.0);
}

QImage readableImageOn(const QImage& image, const QColor& ground, double minimum) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    // A picture has few colours: each is worked out once.
    QHash<QRgb, QRgb> made;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            auto found = made.find(line[x]);
            if (found == made.end())
                found = made.insert(line[x],
                                    readableOn(QColor::fromRgba(line[x]), ground, minimum).rgba());
            line[x] = *found;
        }
    }
    return result;
}

} // namespace ReadableColors
