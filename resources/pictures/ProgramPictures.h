#pragma once

#include <QImage>
#include <QString>

#include <vector>

// Every picture the program ships, by the file name it is kept under in the resources
// (":/pictures/<name>").
namespace ProgramPictures {

struct NamedPicture {
    QString name;
    QImage image;
};

// The menu glyph strip: 17 cells of 21 x 21 side by side, on transparent magenta.
QImage menuGlyphStrip();

std::vector<NamedPicture> all();

} // namespace ProgramPictures
