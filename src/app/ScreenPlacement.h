#pragma once

class QScreen;
class QSize;
class QWidget;

// The screen's size in its own pixels: with display scaling Qt's sizes are in scaled units,
// which would make a large screen look small.
QSize ScreenPixels(const QScreen& screen);

// Puts a window of fixed size in the middle of its screen, whichever window owns it.
void CentreOnScreen(QWidget& window);
