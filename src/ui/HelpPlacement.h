#pragma once

#include "ui/DesktopMonitors.h"

// Where the help viewer opens and how large it may be: beside the main
// window, which the user reads the help about, and whole within the screen's
// free area to the pixel at every scale.

// The place of a window of width x height (its frame included) beside
// owner on work: right of owner, else left of it, where that side has the
// room, level with owner's top as far as work allows; else below, else
// above, level with owner's left; where no side has the room, the place on
// work that covers least of owner (the first such, from work's top left).
RScreenArea PlaceBesideOwner(const RScreenArea& owner, int width, int height, const RScreenArea& work);

// The largest whole layout size a window may take within an area the
// toolkit reported as available layout pixels, rounded to nearest from
// device pixels at ratio, so that its device size (the layout size times
// ratio, rounded) is never larger than the area's device size, whichever
// device size that was.
int LargestWholeFit(int available, double ratio);
