#include "DialogFont.h"

#include "OfficeMenuPainter.h"

#include <QPushButton>

#include <QFontDatabase>
#include <QStringList>

namespace {

QString firstInstalled(const QStringList& families, const QString& fallback) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return fallback;
}

} // namespace

QFont ProgramFont() {
    QFont font(firstInstalled({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                               QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans Condensed")},
                              QStringLiteral("Sans Serif")),
               8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont TitleFont(int pointSize) {
    QFont font(
        firstInstalled({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                        QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")},
                       QStringLiteral("Serif")),
        pointSize, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

int CaptionWidthNeeded(const QPushButton* button) {
    constexpr int frameRoom = 16;
    return button->fontMetrics().horizontalAdvance(
               OfficeMenuPainter::displayedCaption(button->text())) +
           frameRoom;
}
