#pragma once

#include "ui/BuiltPictures.h"

#include <QIcon>
#include <QImage>

// One of the program's built-in pictures. The image shares the program's
// own read-only pixels; changing it makes a copy.
QImage PictureImage(RBuiltPicture picture);

// The program's icon, with its 16 x 16 and 32 x 32 images.
QIcon TintwellIcon();

class QFont;

// The windows' font: an 11-pixel sans-serif of the classic dialog font's
// widths, for which the pixel layouts were made.
QFont DialogFont();
