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
// widths, for which the pixel layouts were made, enlarged with the layouts.
QFont DialogFont();

// The pixels at 96 dots per inch of the desktop's ordinary text, as its
// theme tells the toolkit.
double DesktopTextPixels();
// The density the windows' layouts are drawn at, in the toolkit's logical
// pixels (the display's scale comes on top): enlarged with the desktop's
// text, as it was when the program started.
int FormDpi();
// A length of the 96-dpi layout at FormDpi.
int FormPx(int layout);
