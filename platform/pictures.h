// Bitmaps loaded at run time from the Images folder beside the executable.
#pragma once

#include <QPixmap>
#include <QString>

namespace platform {

// The folder that holds the pictures: <executable folder>/Images.
QString ImagesFolder();

// Loads a picture by its file name; a missing or unreadable file gives an empty picture.
QPixmap LoadPicture(const QString &fileName);

} // namespace platform
