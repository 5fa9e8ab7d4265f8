#include "ui/FormLayout.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace
{

bool SameParent(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr)
        return a == b;
    return std::strcmp(a, b) == 0;
}

bool TakesFocus(RControlKind kind)
{
    return kind == RControlKind::Edit || kind == RControlKind::DropDownList || kind == RControlKind::Button;
}

void VisitInTabOrder(const RFormLayout& layout, const char* parent, std::vector<const RControlLayout*>& sequence)
{
    for (const RControlLayout* control : ChildrenInTabOrder(layout, parent))
    {
        if (control->TabOrder < 0)
            continue;
        if (TakesFocus(control->Kind))
            sequence.push_back(control);
        else
            VisitInTabOrder(layout, control->Name, sequence);
    }
}

} // namespace

const RControlLayout& FindControl(const RFormLayout& layout, const char* name)
{
    for (const RControlLayout& control : layout.Controls)
        if (std::strcmp(control.Name, name) == 0)
            return control;
    assert(!"no such control in the layout");
    return layout.Controls.front();
}

std::vector<const RControlLayout*> ChildrenInTabOrder(const RFormLayout& layout, const char* parent)
{
    std::vector<const RControlLayout*> children;
    for (const RControlLayout& control : layout.Controls)
        if (SameParent(control.Parent, parent))
            children.push_back(&control);
    // Stable: equal orders, and the controls without one, keep layout order.
    std::stable_sort(children.begin(), children.end(), [](const RControlLayout* a, const RControlLayout* b)
                     {
                         const bool aTabs = a->TabOrder >= 0, bTabs = b->TabOrder >= 0;
                         if (aTabs != bTabs)
                             return aTabs;
                         return aTabs && a->TabOrder < b->TabOrder;
                     });
    return children;
}

std::vector<const RControlLayout*> TabSequence(const RFormLayout& layout)
{
    std::vector<const RControlLayout*> sequence;
    VisitInTabOrder(layout, nullptr, sequence);
    return sequence;
}
