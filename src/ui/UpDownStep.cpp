#include "ui/UpDownStep.h"

#include <algorithm>
#include <string_view>

namespace
{

// The box's number when its whole text, blanks aside, is one.
bool ReadWholeNumber(const RString& text, int& number)
{
    RString trimmed(text);
    trimmed.Trim();
    std::string_view digits(trimmed.Text());
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    number = trimmed.ToInt();
    return true;
}

} // namespace

bool StepUpDown(const RString& boxText, int& position, int min, int max, int delta)
{
    int shown = 0;
    if (ReadWholeNumber(boxText, shown) && shown >= min && shown <= max)
        position = shown;
    const int stepped = std::clamp(position + delta, min, max);
    const bool moved = stepped != position;
    position = stepped;
    return moved;
}
