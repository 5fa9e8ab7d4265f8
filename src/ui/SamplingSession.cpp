#include "ui/SamplingSession.h"

#include "ui/RColorEditor.h"

void RSamplingSession::Begin(bool copied)
{
    Cancelled = false;
    MouseSelecting = copied;
    if (!copied)
        Answer(false);
}

void RSamplingSession::Follow(ColorValue pixel)
{
    Editor.ApplyColor(pixel);
}

RSamplingKey RSamplingSession::KeyPressed(bool typesCharacter, bool escape) const
{
    if (!typesCharacter)
        return RSamplingKey::Nothing;
    // Outside a script's pick there is no leaving without a pixel: Escape
    // takes one too, as every character does.
    return escape && IsCommandLinePick() ? RSamplingKey::Cancels : RSamplingKey::Takes;
}

void RSamplingSession::End()
{
    if (!MouseSelecting)
        return;
    MouseSelecting = false;
    if (!Cancelled)
        Editor.KeepCurrentColor();
    Answer(!Cancelled);
}

void RSamplingSession::PickerPicked(ColorValue color)
{
    PickerTook = true;
    Editor.TakeColor(color);
}

void RSamplingSession::PickerEnded()
{
    Answer(PickerTook);
    PickerTook = false;
}

void RSamplingSession::Answer(bool taken)
{
    if (!Done)
        return;
    std::optional<RPickedColor> picked;
    if (taken)
        picked = RPickedColor{Editor.Color().GetColor(), Editor.Color().GetHexFormat()};
    Done(picked);
}
