#pragma once

#include "DefaultItemLink.h"

#include <QPushButton>

// The toolkit's flat push button with a pixel-art glyph. The style draws the button; the glyph
// is drawn here, centred and placed on whole screen pixels, so that on a screen scaled by a
// fraction (1.5, 1.25) its edges are not blended into the face as the style's placement would.
class TGlyphPushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

    // The menu item the button stands for, as the toolbar button's: the button is enabled with
    // the item and a click chooses it.
    TMenuItem* defaultItem() const { return m_defaultItem.item(); }
    void setDefaultItem(TMenuItem* item);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showDefaultItem();

    TDefaultItemLink m_defaultItem;
};
