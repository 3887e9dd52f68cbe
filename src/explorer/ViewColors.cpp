#include "ViewColors.h"

#include <QWidget>

QPalette ViewPalette(const QPalette& inherited, const std::optional<QColor>& own) {
    QPalette colors = inherited;
    if (own)
        colors.setColor(QPalette::Base, *own);
    return colors;
}

void ApplyViewColors(QWidget* viewport, const std::optional<QColor>& own) {
    const QWidget* parent = viewport->parentWidget();
    const QPalette inherited = parent ? parent->palette() : QPalette();
    viewport->setPalette(own ? ViewPalette(inherited, own) : QPalette());
    viewport->setAutoFillBackground(true);
}
