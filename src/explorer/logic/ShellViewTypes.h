#pragma once

// The choices the folder tree and the file list both offer.

// When the two controls sort their items by themselves.
enum class TSortType { stNone, stData, stText, stBoth };

// Whether a press and move on an item starts a drag by itself (automatic) or only when the
// program asks (manual).
enum class TDragMode { dmManual, dmAutomatic };

// Right-button behaviour of the two controls.
enum class TPopupMenuMethod { pmmNone, pmmContext, pmmUser, pmmContextUser };
