#pragma once

class QAbstractItemModel;
class QFontMetrics;

// The width of the widest caption (column 0, display role) of a model's top-level rows, never
// less than the real one. Measuring every caption in full would cost a folder of tens of
// thousands of files a noticeable pause on each layout, so each caption is summed from the
// widths of its characters (measured once each) with a little room for kerning and shaping.
int WidestCaptionWidth(const QFontMetrics& metrics, const QAbstractItemModel& model);
