#pragma once

#include <QPushButton>

// The toolkit's flat push button with a pixel-art glyph. The style draws the button; the glyph
// is drawn here, centred and placed on whole screen pixels, so that on a screen scaled by a
// fraction (1.5, 1.25) its edges are not blended into the face as the style's placement would.
class TGlyphPushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
