#pragma once

#include "colour/ColorValue.h"
#include "text/RString.h"
#include "ui/RSwatchRenderer.h"

// The six numeric edit boxes, named as the window names them.
enum class REditBox
{
    RedEdit,
    GrnEdit,
    BluEdit,
    HueEdit,
    SatEdit,
    LumEdit,
};

// What the colour editor needs of the window's controls. An implementation
// keeps the controls' own behaviour, on which the editor relies:
// 1. SetEditText runs the box's change handler before it returns, as typing does;
// 2. SelectColorName sets the selection without running the list's handler;
// 3. an up-down control reads its box (see StepUpDown), writes the stepped
//    number into it as plain decimal, then runs its own click handler;
// 4. ProcessPendingEvents delivers queued events, which may run handlers
//    nested inside the one that called it.
class RColorEditorView
{
public:
    virtual RString GetEditText(REditBox box) const = 0;
    virtual void SetEditText(REditBox box, const RString& text) = 0;

    // The name list's selection; -1 clears it.
    virtual int GetColorNameIndex() const = 0;
    virtual void SelectColorName(int index) = 0;
    virtual int GetHexFormatIndex() const = 0;
    virtual void SetHexText(const RString& text) = 0;

    // Fills the swatch and has it repainted.
    virtual void SetSwatchColor(ColorValue color) = 0;
    // Paints the plane, the bar and their markers.
    virtual void ShowSwatches(const RSwatchPicture& picture) = 0;
    virtual void ProcessPendingEvents() = 0;

    // Runs the standard colour dialog modally, starting at color. True, with
    // the chosen colour in color, when the user confirms.
    virtual bool RunColorDialog(ColorValue& color) = 0;

protected:
    ~RColorEditorView() = default;
};
