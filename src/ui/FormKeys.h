#pragma once

// The main window's own keys, which do the same wherever the focus is in
// it: the edit boxes keep their edit menu on the right button, but Shift+F10
// and the menu key open the swatch's menu there too, so that one rule holds
// everywhere. Both window layers take these before any control sees them.
enum class RFormCommand
{
    SelectWithMouse,  // "Select Color with Mouse"
    SelectFromDialog, // "Select Color from Dialog..."
    SwatchMenu,       // the swatch's menu, below the swatch
};

enum class RFormKeyName
{
    Letter, // the letter in RFormKey::Letter
    F10,
    Menu, // the context-menu key
};

struct RFormKey
{
    RFormCommand Command;
    RFormKeyName Key;
    char Letter; // upper case; for Letter only
    bool Ctrl;
    bool Shift;
};

inline constexpr RFormKey FormKeys[] = {
    {RFormCommand::SelectWithMouse, RFormKeyName::Letter, 'D', true, true},
    {RFormCommand::SelectFromDialog, RFormKeyName::Letter, 'O', true, true},
    {RFormCommand::SwatchMenu, RFormKeyName::F10, 0, false, true},
    {RFormCommand::SwatchMenu, RFormKeyName::Menu, 0, false, false},
};
