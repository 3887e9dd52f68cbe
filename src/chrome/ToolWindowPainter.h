#pragma once

class QPainter;
class QRect;
class TCustomToolWindow;
class TDock;

// Draws a tool window's chrome: the docked frame with its drag handle, or the floating frame
// with its caption bar and close button.
namespace ToolWindowPainter {

void paintDocked(QPainter& painter, const TCustomToolWindow& window, TDock& dock);
void paintFloating(QPainter& painter, const TCustomToolWindow& window);
// A small close glyph: a raised (or, while pressed, sunken) square with a cross.
void paintCloseGlyph(QPainter& painter, const QRect& rect, bool pressed);

} // namespace ToolWindowPainter
