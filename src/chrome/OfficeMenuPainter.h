#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;
class TGlyphStrip;

// Measuring and drawing one item of an office-style menu: a glyph column on the left, a
// raised frame around the selected item's picture, a sunken box for checked items, embossed
// pictures and captions for disabled items and two-tone separators.
namespace OfficeMenuPainter {

// The glyph box; every item, separators included, is one pixel higher than it.
inline constexpr int GlyphBox = 20;
inline constexpr int ItemHeight = GlyphBox + 1;
// The caption starts this far right of the item's left edge.
inline constexpr int CaptionIndent = GlyphBox + 3;
// The least space between an item's caption and its shortcut.
inline constexpr int ShortcutGap = GlyphBox;

// Item state flags, as the platform's draw requests carry them.
enum ItemStateFlag { odsSelected = 1, odsDisabled = 2, odsChecked = 8 };

struct TMenuColors {
    QColor btnFace;
    QColor btnHighlight;
    QColor btnShadow;
    QColor highlight;
    QColor highlightText;
    QColor menu;
    QColor menuText;

    static TMenuColors system();
};

struct TItemView {
    QString caption;             // "&" marks the accelerator; exactly "-" is a separator
    QString shortcutText;        // empty without a shortcut
    int tag = 0;                 // picks glyph cell tag - 1; 0 or below means no picture
    bool radio = false;
    bool hasSubmenu = false;
};

bool isSeparatorCaption(const QString& caption);

// The caption as shown: the accelerator marks removed, "&&" kept as one "&".
QString displayedCaption(const QString& caption);

// The width an item asks for: caption width + 2 x G + 2, plus ShortcutGap and the shortcut's
// width when it has one.
int itemWidth(const QFontMetrics& metrics, const TItemView& item);

// Draws the item in `rect` with the painter's font; `state` is a combination of ItemStateFlag.
void drawItem(QPainter& painter, const TItemView& item, const QRect& rect, int state,
              TGlyphStrip* glyphs, const TMenuColors& colors);

// The check mark: 9 x 9, '#' black, 'W' white, '.' not drawn.
inline constexpr const char* CheckMarkRows[9] = {
    ".........", ".........", ".......#W", "......##W", "W#...##W.",
    "W##.##W..", ".W###W...", "..W#W....", "...W.....",
};

} // namespace OfficeMenuPainter
