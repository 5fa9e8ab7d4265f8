#pragma once

#include "ui/RSwatchRenderer.h"

// The hue/saturation plane of the main window's layout, made by the renderer
// when the program was built (the library tintwell_plane).
const RPrecomputedPlane& BuiltPlane();
