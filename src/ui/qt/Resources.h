#pragma once

#include <QIcon>

// The program's icon, with its 16 x 16 and 32 x 32 images.
QIcon TintwellIcon();
