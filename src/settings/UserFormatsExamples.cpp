#include "settings/UserFormats.h"

// Ready forms for the languages and tools people copy colours into; each is
// a comment until its "#" is taken away.
const char* const UserFormatsExamples =
    "# Tintwell's own forms: one a line, \"Name = template\". Each shows in the\n"
    "# swatch's Copy As menu and works with --format Name on the command line.\n"
    "# In a template, {r} {g} {b} are the bytes 0-255 ({r:x} and {r:X} two hex\n"
    "# digits), {rf} {gf} {bf} fractions 0-1 ({rf:.3} with three decimals),\n"
    "# {a} and {af} the alpha (always opaque), {hex} the six digits RRGGBB,\n"
    "# {hsl.h} {hsl.s} {hsl.l}, {hsv.h} {hsv.s} {hsv.v}, {hwb.h} {hwb.w} {hwb.b},\n"
    "# {lab.l} {lab.a} {lab.b}, {lch.l} {lch.c} {lch.h}, {oklab.l} {oklab.a}\n"
    "# {oklab.b}, {oklch.l} {oklch.c} {oklch.h} ({oklch.l:%.1} in percent) and\n"
    "# {name}, the nearest web colour name. {{ and }} are the braces themselves.\n"
    "# Take the # away from a line to use it.\n"
    "\n"
    "# Swift = UIColor(red: {rf:.3}, green: {gf:.3}, blue: {bf:.3}, alpha: 1.0)\n"
    "# SwiftUI = Color(red: {rf:.3}, green: {gf:.3}, blue: {bf:.3})\n"
    "# Kotlin = Color(0xFF{r:X}{g:X}{b:X})\n"
    "# Android = 0xFF{r:X}{g:X}{b:X}\n"
    "# Flutter = Color(0xFF{r:X}{g:X}{b:X})\n"
    "# .NET = Color.FromArgb({r}, {g}, {b})\n"
    "# Qt = QColor({r}, {g}, {b})\n"
    "# GLSL vec3 = vec3({rf:.3}, {gf:.3}, {bf:.3})\n"
    "# GLSL vec4 = vec4({rf:.3}, {gf:.3}, {bf:.3}, 1.0)\n"
    "# Tailwind = --color-{name}: oklch({oklch.l:%.1}% {oklch.c:.3} {oklch.h:.1});\n";
