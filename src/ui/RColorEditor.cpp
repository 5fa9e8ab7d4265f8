#include "ui/RColorEditor.h"

namespace
{

bool IsRGB(REditBox box)
{
    return box == REditBox::RedEdit || box == REditBox::GrnEdit || box == REditBox::BluEdit;
}

} // namespace

RColorEditor::RColorEditor(RColorEditorView& view, RSwatchLayout layout, const RPrecomputedPlane* plane)
    : View(view), Renderer(layout, plane)
{
}

int RColorEditor::ValueOf(REditBox box) const
{
    switch (box)
    {
    case REditBox::RedEdit: return TheColor.GetRed();
    case REditBox::GrnEdit: return TheColor.GetGrn();
    case REditBox::BluEdit: return TheColor.GetBlu();
    case REditBox::HueEdit: return TheColor.GetHue();
    case REditBox::SatEdit: return TheColor.GetSat();
    case REditBox::LumEdit: return TheColor.GetLum();
    }
    return 0;
}

void RColorEditor::Assign(REditBox box, int value)
{
    switch (box)
    {
    case REditBox::RedEdit: TheColor.SetRed(value); break;
    case REditBox::GrnEdit: TheColor.SetGrn(value); break;
    case REditBox::BluEdit: TheColor.SetBlu(value); break;
    case REditBox::HueEdit: TheColor.SetHue(value); break;
    case REditBox::SatEdit: TheColor.SetSat(value); break;
    case REditBox::LumEdit: TheColor.SetLum(value); break;
    }
}

void RColorEditor::SetEditValue(REditBox box, int value)
{
    if (View.GetEditText(box).ToInt() != value)
        View.SetEditText(box, RString(value)); // runs the box's handler, which stops
}

void RColorEditor::RefreshRGBEdits()
{
    SetEditValue(REditBox::RedEdit, TheColor.GetRed());
    SetEditValue(REditBox::GrnEdit, TheColor.GetGrn());
    SetEditValue(REditBox::BluEdit, TheColor.GetBlu());
}

void RColorEditor::RefreshHSLEdits()
{
    // Each getter derives the three afresh from the current bytes.
    SetEditValue(REditBox::HueEdit, TheColor.GetHue());
    SetEditValue(REditBox::SatEdit, TheColor.GetSat());
    SetEditValue(REditBox::LumEdit, TheColor.GetLum());
}

void RColorEditor::RefreshColor()
{
    const ColorValue swatch = TheColor.GetColor();
    View.SetSwatchColor(swatch);
    View.SelectColorName(RColor::FindNamedColor(swatch)); // -1 clears the selection
    View.SetHexText(TheColor.GetHexValue());
    DrawSwatches();
    // Repaint now, also while sampling or dragging keeps handlers busy.
    View.ProcessPendingEvents();
}

void RColorEditor::RefreshAll()
{
    RefreshColor();
    RefreshRGBEdits();
    RefreshHSLEdits();
}

void RColorEditor::ApplyColor(ColorValue color)
{
    TheColor.SetColor(color);
    RefreshAll();
    View.ProcessPendingEvents();
}

void RColorEditor::EditChange(REditBox box)
{
    const int typed = View.GetEditText(box).ToInt();
    if (typed == ValueOf(box))
        return;
    Assign(box, typed);
    RefreshColor();
    // The group typed into is left alone, so the box keeps the user's text.
    if (IsRGB(box))
        RefreshHSLEdits();
    else
        RefreshRGBEdits();
}

void RColorEditor::ColorNameCBChange()
{
    const int index = View.GetColorNameIndex();
    if (index < 0 || index >= NamedColorCount)
        return;
    TheColor.SetColor(RColor::GetNamedColor(index));
    RefreshAll();
}

void RColorEditor::HexFormatCBChange()
{
    int index = View.GetHexFormatIndex();
    RColor::CheckHexFormat(index);
    TheColor.SetHexFormat(index);
    RefreshColor();
}

void RColorEditor::TakeColor(ColorValue color)
{
    Recent.Take(color);
    ApplyColor(color);
}

void RColorEditor::ColorDlgSelectSBtnClick()
{
    ColorValue chosen = TheColor.GetColor();
    if (View.RunColorDialog(chosen))
        TakeColor(chosen);
}

void RColorEditor::HueSatImageMouseUp(int x, int y)
{
    const RSwatchLayout& layout = Renderer.Layout();
    // Hue first: on a grey the hue is lost again before saturation is set.
    TheColor.SetHue(PlaneClickHue(x, layout));
    TheColor.SetSat(PlaneClickSaturation(y, layout));
    RefreshAll();
}

void RColorEditor::LumImageMouseUp(int /*x*/, int y)
{
    TheColor.SetLum(BarClickLuminance(y, Renderer.Layout()));
    RefreshAll();
}

void RColorEditor::DrawSwatches()
{
    View.ShowSwatches(Renderer.Render(TheColor));
}
