#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// The program's pictures are drawn on a background colour that stands for transparency: the
// colour of each picture's bottom-left pixel.
QPixmap TransparentPixmap(const QImage& image);
QPixmap TransparentPicture(const QString& resource);
