#include "OfficeMenus.h"

#include "GlyphStrip.h"
#include "MenuItems.h"
#include "OfficeMenuPainter.h"

#include <QPainter>

namespace {

OfficeMenuPainter::TItemView viewOf(const TMenuItem& item) {
    OfficeMenuPainter::TItemView view;
    view.caption = item.Caption();
    view.shortcutText = item.ShortCut().toString(QKeySequence::NativeText);
    view.tag = item.Tag();
    view.radio = item.RadioItem();
    view.hasSubmenu = item.menu() != nullptr;
    return view;
}

} // namespace

TOfficePopupMenu::TOfficePopupMenu(QWidget* parent) : TOwnerDrawPopupMenu(parent) {}

void TOfficePopupMenu::setGlyphs(TGlyphStrip* glyphs) {
    m_glyphs = glyphs;
    update();
}

void TOfficePopupMenu::Popup(int x, int y) {
    TOwnerDrawPopupMenu::Popup(x, y);
}

TOwnerDrawPopupMenu* TOfficePopupMenu::createSubmenu() {
    return new TOfficePopupMenu(this);
}

void TOfficePopupMenu::MeasureItem(TMenuItem* item, int& width, const QFontMetrics& canvas, int& height) {
    width = OfficeMenuPainter::itemWidth(canvas, viewOf(*item));
    height = OfficeMenuPainter::ItemHeight;
}

void TOfficePopupMenu::DrawItem(TMenuItem* item, QPainter& canvas, const QRect& rect, int state) {
    OfficeMenuPainter::drawItem(canvas, viewOf(*item), rect, state, m_glyphs.data(),
                                OfficeMenuPainter::TMenuColors::system());
}
