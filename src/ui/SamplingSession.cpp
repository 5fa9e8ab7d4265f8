#include "ui/SamplingSession.h"

#include "ui/RColorEditor.h"
#include "ui/WindowTexts.h"

#include <utility>

void RSamplingSession::Begin(bool copied)
{
    Cancelled = false;
    MouseSelecting = copied;
    if (!copied)
        Answer(RPickOutcome::CannotPick, WindowTexts::ScreenNotCopied);
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
    Answer(Cancelled ? RPickOutcome::Cancelled : RPickOutcome::Picked);
}

void RSamplingSession::PickerPicked(ColorValue color)
{
    PickerTook = true;
    Editor.TakeColor(color);
}

void RSamplingSession::PickerEnded(const std::string& failure)
{
    if (std::exchange(PickerTook, false))
        Answer(RPickOutcome::Picked);
    else
        Answer(failure.empty() ? RPickOutcome::Cancelled : RPickOutcome::CannotPick, failure);
}

void RSamplingSession::Answer(RPickOutcome outcome, const std::string& reason)
{
    if (Done)
        Done({outcome, {Editor.Color().GetColor(), Editor.Color().GetHexFormat()}, reason});
}
