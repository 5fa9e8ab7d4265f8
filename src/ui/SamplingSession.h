#pragma once

#include "colour/ColorValue.h"

#include <functional>
#include <string>

class RColorEditor;

// The colour a pick from the command line took, and the window's notation
// at the time, which it is printed in unless the command line names a form.
struct RPickedColor
{
    ColorValue Color;
    int HexFormat;
};

// How a pick from the command line ended; each value is the process's exit
// status, so that a script can tell the user's cancel from a desktop where
// nothing can be picked (2 is the command line's own error).
enum class RPickOutcome
{
    Picked = 0,
    Cancelled = 1,
    CannotPick = 3,
};

struct RPickAnswer
{
    RPickOutcome Outcome;
    RPickedColor Picked; // meaningful when Picked
    std::string Reason;  // why nothing could be picked, for standard error
};

// What a key pressed on the sampling window does.
enum class RSamplingKey
{
    Nothing, // it types no character (an arrow, a function key, Shift)
    Takes,   // it takes the pixel under the pointer, as a click does
    Cancels, // Escape in a pick from the command line: ends with nothing taken
};

// One sampling of the screen, from the start to its end, however each
// window layer shows the copy: every movement makes the pixel under the
// pointer the current colour, a click or a typed key takes it one last
// time. Also the pick from the command line, without the window, which
// answers once with the colour taken or with nothing (cancelled, or no
// sampling possible), and which scripts must be able to cancel with Escape.
class RSamplingSession
{
public:
    using RDone = std::function<void(const RPickAnswer&)>;

    explicit RSamplingSession(RColorEditor& editor) : Editor(editor) {}

    // From now on this run is one pick for the command line; done gets its
    // answer once: the colour taken, cancelled, or why none can be picked.
    void PickForCommandLine(RDone done) { Done = std::move(done); }
    bool IsCommandLinePick() const { return static_cast<bool>(Done); }

    // The screen was copied and shown (copied), or could not be: sampling
    // then never starts, and a pick from the command line cannot pick.
    void Begin(bool copied);
    bool IsSampling() const { return MouseSelecting; }

    // The pixel under the pointer (all bits set where it cannot be read,
    // which is taken as white): the current colour, every view following.
    void Follow(ColorValue pixel);
    // What a key does; typesCharacter includes Enter, Escape, Space and
    // Backspace.
    RSamplingKey KeyPressed(bool typesCharacter, bool escape) const;
    // The pixel taken last, by a click or a key.
    void Take(ColorValue pixel) { Follow(pixel); }
    // Escape in a pick from the command line: nothing is taken.
    void Cancel() { Cancelled = true; }
    // The sampling window has gone, however: the colour taken joins the
    // recent colours, and a pick from the command line gets its answer.
    void End();

    // The desktop's own picker (where no copy can be had) gave color.
    void PickerPicked(ColorValue color);
    // It has ended, with a colour or without: the answer for a command-line
    // pick. failure says why it could not pick; empty when the user cancelled.
    void PickerEnded(const std::string& failure = {});

private:
    void Answer(RPickOutcome outcome, const std::string& reason = {});

    RColorEditor& Editor;
    RDone Done;
    bool MouseSelecting = false;
    bool Cancelled = false;
    bool PickerTook = false;
};
