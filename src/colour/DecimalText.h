#pragma once

#include <string>

// Numbers as colour texts print them: never in an exponent form, never in
// the locale's manner, never "-0".

// value rounded to decimals places (0..10), trailing zeros and a bare point
// dropped: 80.80 is "80.8", 100.00 is "100".
std::string DecimalText(double value, int decimals);
// The same, keeping every one of the places: code that needs "1.000".
std::string FixedDecimalText(double value, int decimals);
// A hue in degrees rounded to decimals places, trailing zeros dropped or
// (fixed) kept; what would print as 360 prints as 0, the same hue.
std::string HueText(double degrees, int decimals, bool fixed = false);
// The hue of a polar colour (L, chroma, hue) as it should print: 0 when its
// chroma prints as 0 at chromaDecimals, where the hue means nothing.
double MeaningfulHue(double chroma, double hue, int chromaDecimals);
