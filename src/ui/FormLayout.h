#pragma once

#include "colour/ColorValue.h"

#include <span>
#include <vector>

// A window's layout as data, read by each toolkit's window code: every
// control's name, kind, parent, position, size, text and tab order exist here
// once. Positions and sizes are pixels at 96 dots per inch, relative to the
// parent's client area.

enum class RControlKind
{
    Panel,
    GroupBox,
    Image,
    Label,
    Shape,
    DropDownList,
    Edit,
    UpDown, // bound to the edit box just before it in the layout
    SpeedButton, // drawn by the window itself; never takes the focus
    Button,
};

// Properties a control may have beyond its kind.
enum RControlStyle : unsigned
{
    StyleNone = 0,
    StyleWhite = 1u << 0, // a white background instead of the button face
    StyleRaised = 1u << 1, // a raised one-pixel bevel
    StyleReadOnly = 1u << 2,
    StyleCentred = 1u << 3, // text centred in the control
    StyleHandCursor = 1u << 4, // the hand over it: it reacts to a click
    StyleHidden = 1u << 5, // hidden until the window shows it
    StyleCancel = 1u << 6, // Escape presses it
};

struct RControlLayout
{
    const char* Name;
    RControlKind Kind;
    const char* Parent; // nullptr: the window itself
    int Left;
    int Top;
    int Width;
    int Height;
    const char* Text = ""; // caption, first text or hint, by kind
    // Among siblings, from 0; -1 where the Tab key never stops.
    int TabOrder = -1;
    unsigned Style = StyleNone;
};

struct RFormLayout
{
    const char* Name;
    const char* Caption;
    int ClientWidth;
    int ClientHeight;
    // Parents come before their children.
    std::span<const RControlLayout> Controls;
};

// The row named name; a name missing from the layout is a programmer's error.
const RControlLayout& FindControl(const RFormLayout& layout, const char* name);

// The controls that the Tab key visits, in the order it visits them: a walk
// from the window through its children, siblings taken in their tab order,
// containers entered where they stand.
std::vector<const RControlLayout*> TabSequence(const RFormLayout& layout);

// The rows whose parent is parent (nullptr: the window), in tab order, those
// without one after them in layout order: the order in which a toolkit that
// tabs by creation order creates them.
std::vector<const RControlLayout*> ChildrenInTabOrder(const RFormLayout& layout, const char* parent);

// A drop-down list's rows: each this high, and this many at a time when the
// list drops down; more scroll.
inline constexpr int ListItemHeight = 13;
inline constexpr int DroppedListRows = 8;

// An up-down control's range as laid out.
inline constexpr int UpDownLayoutMin = 0;
inline constexpr int UpDownLayoutMax = 255;

// The main window and the About box.
const RFormLayout& MainFormLayout();
const RFormLayout& AboutDlgLayout();
// The colour of an About box link's text on background: blue, red once
// followed, each as near to it as reads there (pure blue and red are too
// dark for a dark window).
ColorValue AboutLinkColor(bool followed, ColorValue background);
