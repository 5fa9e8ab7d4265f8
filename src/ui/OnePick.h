#pragma once

#include "colour/ColorNotation.h"
#include "colour/RColor.h"

#include <functional>
#include <optional>
#include <string>

// A pick from the command line, without the window: its answer, the
// literal taken or nothing, given once to whoever asked.
class ROnePick
{
public:
    using RDone = std::function<void(const std::optional<std::string>&)>;

    void Start(RDone done) { Done = std::move(done); }
    bool IsActive() const { return static_cast<bool>(Done); }
    // color's literal in its notation when taken; nothing otherwise.
    void End(const RColor& color, bool taken) const
    {
        if (!Done)
            return;
        std::optional<std::string> literal;
        if (taken)
            literal = LiteralOf(color.GetColor(), color.GetHexFormat());
        Done(literal);
    }

private:
    RDone Done;
};
