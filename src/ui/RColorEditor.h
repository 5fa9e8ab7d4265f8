#pragma once

#include "colour/RColor.h"
#include "ui/RColorEditorView.h"
#include "ui/RecentColors.h"
#include "ui/RSwatchRenderer.h"

// Keeps every view of the current colour in step: the swatch, the name list,
// the hex text, the plane and bar, and the six edit boxes.
//
// The colour lives in TheColor alone; every view is written from it, and the
// editor keeps no copy of what a control shows. There is no updating flag
// either: a handler compares the number in its box with the colour and stops
// when they are equal, and a box is written only when the number it shows
// differs, so the change that a program write sets off finds nothing to do.
// Because hue, saturation and luminance are derived afresh from the bytes
// every time, the order of the steps decides what the user sees.
class RColorEditor
{
public:
    // plane: the hue/saturation plane made when the program was built, if any.
    explicit RColorEditor(RColorEditorView& view, RSwatchLayout layout = {},
                          const RPrecomputedPlane* plane = nullptr);
    RColorEditor(const RColorEditor&) = delete;
    RColorEditor& operator=(const RColorEditor&) = delete;

    RColor& Color() { return TheColor; }
    const RColor& Color() const { return TheColor; }

    // Writes value into box as decimal unless the box already reads as it
    // (so "007" or "7abc" stay when value is 7).
    void SetEditValue(REditBox box, int value);
    void RefreshRGBEdits();
    void RefreshHSLEdits();
    // Swatch, name selection, hex text, plane and bar, then pending events;
    // not the edit boxes.
    void RefreshColor();
    // Takes the low three bytes of color and brings every view up to date.
    void ApplyColor(ColorValue color);
    // A colour the user took whole (a paste, a recent colour, the dialog's
    // answer): applied, and kept first among the recent colours.
    void TakeColor(ColorValue color);
    // The current colour kept as taken: the end of a sampling, whose last
    // pixel was applied as every movement's was.
    void KeepCurrentColor() { Recent.Take(TheColor.GetColor()); }
    RRecentColors& RecentColors() { return Recent; }
    const RRecentColors& RecentColors() const { return Recent; }

    // A box's change handler. An RGB value is taken modulo 256 and an HSL
    // value clamped to 0..239; the box typed into keeps its text.
    void RedEditChange() { EditChange(REditBox::RedEdit); }
    void GrnEditChange() { EditChange(REditBox::GrnEdit); }
    void BluEditChange() { EditChange(REditBox::BluEdit); }
    void HueEditChange() { EditChange(REditBox::HueEdit); }
    void SatEditChange() { EditChange(REditBox::SatEdit); }
    void LumEditChange() { EditChange(REditBox::LumEdit); }
    void EditChange(REditBox box);

    // A spin control's click handler runs its box's change handler once more:
    // on the HSL scale the box often reads one more than the colour, and the
    // second run applies the number again to the colour the first produced.
    void RedUpDownClick() { EditChange(REditBox::RedEdit); }
    void GrnUpDownClick() { EditChange(REditBox::GrnEdit); }
    void BluUpDownClick() { EditChange(REditBox::BluEdit); }
    void HueUpDownClick() { EditChange(REditBox::HueEdit); }
    void SatUpDownClick() { EditChange(REditBox::SatEdit); }
    void LumUpDownClick() { EditChange(REditBox::LumEdit); }

    // The user's choice of a name (an index outside 0..140 is ignored) or of
    // a notation (outside 0..3 means HTML; only the hex text changes).
    void ColorNameCBChange();
    void HexFormatCBChange();
    // Opens the colour dialog at the current colour and applies its answer.
    void ColorDlgSelectSBtnClick();

    // A mouse button released at (x, y) in an image's coordinates, possibly
    // outside it. The plane sets hue, then saturation; the bar and the arrow
    // beside it set luminance.
    void HueSatImageMouseUp(int x, int y);
    void LumImageMouseUp(int x, int y);
    void LumArrowImageMouseUp(int x, int y) { LumImageMouseUp(x, y); }

    // Computes the plane, bar and markers for the colour and shows them.
    void DrawSwatches();

private:
    int ValueOf(REditBox box) const;
    void Assign(REditBox box, int value);
    void RefreshAll();

    RColorEditorView& View;
    RColor TheColor{0};
    RRecentColors Recent;
    RSwatchRenderer Renderer;
};
