#pragma once

#include <QProxyStyle>

// The style of owner-drawn menus: item sizes come from the menu's MeasureItem, disabled items
// can be highlighted by the keyboard as on the classic desktop, and the frame is a 3D edge.
// Other widgets and menus that do not draw themselves get the application style unchanged.
class TOwnerDrawMenuStyle : public QProxyStyle {
    Q_OBJECT

public:
    // The one instance, owned by the application object. It holds no state, like the
    // application's own style, so every chrome context shares it.
    static TOwnerDrawMenuStyle* instance();

    // The frame: a two-pixel raised edge and a one-pixel margin inside it.
    static constexpr int FrameWidth = 2;
    static constexpr int Margin = 1;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

private:
    TOwnerDrawMenuStyle();
};
