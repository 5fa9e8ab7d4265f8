#pragma once

#include <cstdint>

// The sRGB transfer functions: between the encoded values a pixel stores and
// the linear light they stand for, both on 0..1. Every colour space beyond
// RGB (luminance, Lab, OKLab) and every mean of colours starts from linear
// light: the encoded values are spaced for the eye, not for arithmetic.

// Encoded 0..1 to linear 0..1: a straight line up to 0.04045, then the power
// curve with exponent 2.4. Values outside 0..1 keep their sign and extend
// the curve, as colour spaces wider than sRGB need.
double SrgbToLinear(double encoded);
// The inverse: linear 0..1 to encoded 0..1, a straight line up to 0.0031308.
double LinearToSrgb(double linear);
// A stored byte's linear light.
double LinearOfByte(std::uint8_t component);
