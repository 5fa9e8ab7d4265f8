#pragma once

#include "text/RString.h"

// How an up-down control bound to an edit box steps. It starts from the
// number in the box when the box holds just a number (blanks around it and a
// sign allowed) within min..max, and from its own last position otherwise;
// it moves by delta without leaving min..max and without wrapping. Returns
// false when the position stays where it was (an arrow at its limit), in
// which case nothing is written into the box; position is updated either way.
bool StepUpDown(const RString& boxText, int& position, int min, int max, int delta);
