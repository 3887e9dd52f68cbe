#pragma once

#include "PopupMenus.h"

#include "GlyphStrip.h"

// The office-style menu: items measured and drawn in the flat office look, with the pictures
// of an optional glyph strip (an item's Tag picks cell Tag - 1).
class TOfficePopupMenu : public TOwnerDrawPopupMenu {
    Q_OBJECT

public:
    explicit TOfficePopupMenu(QWidget* parent = nullptr);

    // Cleared automatically when the strip is destroyed.
    TGlyphStrip* Glyphs() const { return m_glyphs; }
    void setGlyphs(TGlyphStrip* glyphs);

    // Kept for the form designer; no effect at run time.
    int GlyphsEdit() const { return m_glyphsEdit; }
    void setGlyphsEdit(int value) { m_glyphsEdit = value; }

    void Popup(int x, int y) override;
    void DrawItem(TMenuItem* item, QPainter& canvas, const QRect& rect, int state) override;
    void MeasureItem(TMenuItem* item, int& width, const QFontMetrics& canvas, int& height) override;

protected:
    TOwnerDrawPopupMenu* createSubmenu() override;

private:
    QPointer<TGlyphStrip> m_glyphs;
    int m_glyphsEdit = 0;
};
