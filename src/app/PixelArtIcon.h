#pragma once

#include <QIcon>
#include <QPixmap>

// An icon of pixel art for the toolkit's own buttons: on a screen with a scale factor every
// picture pixel becomes a block of whole screen pixels, never a blur of neighbouring colours,
// as with the pictures the program paints itself.
QIcon PixelArtIcon(const QPixmap& normal, const QPixmap& disabled);
