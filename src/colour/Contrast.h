#pragma once

#include "colour/ColorValue.h"

// How well text of one colour reads on another, as screen readability is
// judged: by the ratio of their relative luminances.

// 0 for black to 1 for white, from the linearised sRGB components.
double RelativeLuminance(ColorValue color);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(ColorValue first, ColorValue second);
// White or black, whichever stands out more from background: the colour of
// a frame or a line of text drawn on any colour.
ColorValue BlackOrWhiteOn(ColorValue background);
// wanted itself when it reaches minimum against background; otherwise wanted
// mixed toward white or black (whichever reads better on background), no
// further than needed to reach minimum. minimum is at most 4.5, which white
// or black reaches on any background.
ColorValue ReadableOn(ColorValue wanted, ColorValue background, double minimum = 4.5);
