#pragma once

class QAbstractItemView;

// Qt draws a view's focus rectangle around its current item only, so an empty list with the
// keyboard would show no sign of it. Called at the end of a view's paint: when the view has the
// focus and holds no item, the style's focus frame goes around the whole viewport.
void PaintFocusFrameWhenEmpty(QAbstractItemView& view);
