#pragma once

// Vocabulary of the toolbar button, shared by its pure layout and state code and the widget.

// The draw state; its value is also the index of the glyph cell that shows it.
enum class TButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3, bsHot = 4 };

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

enum class TButtonDisplayMode { dmBoth, dmGlyphOnly, dmTextOnly };

enum class TCaptionAlignment { taLeftJustify, taRightJustify, taCenter };

// How many cells a glyph strip may hold at most (one per draw state).
inline constexpr int MaxNumGlyphs = 5;
