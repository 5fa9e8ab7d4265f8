#include "settings/RARSection.h"

#include "settings/SettingsFileFormat.h"

#include <memory>

using namespace SettingsFileFormat;

RARSection* RARSection::FindChild(const RString& name) const
{
    for (const auto& child : Children)
        if (child->Name.Equals(name))
            return child.get();
    return nullptr;
}

RARVariable* RARSection::FindVariable(const RString& name) const
{
    for (const auto& variable : Variables)
        if (variable->Name.Equals(name))
            return variable.get();
    return nullptr;
}

bool RARSection::ReadFrom(RSettingsReader& file, int depth)
{
    if (!ReadText(file, Name))
        return false;
    while (true)
    {
        std::int32_t tag = 0;
        if (!ReadInt32(file, tag))
            return false;
        switch (tag)
        {
        case TagSection:
        {
            // The file may nest without end; the reader must not.
            if (depth >= MaxDepth)
                return false;
            auto child = std::make_unique<RARSection>();
            if (!child->ReadFrom(file, depth + 1))
                return false;
            Children.Append(std::move(child));
            break;
        }
        case TagVariable:
        {
            auto variable = std::make_unique<RARVariable>();
            if (!ReadText(file, variable->Name) || !ReadText(file, variable->Value))
                return false;
            Variables.Append(std::move(variable));
            break;
        }
        case TagEnd:
            return true;
        default:
            return false;
        }
    }
}

bool RARSection::WriteTo(RFileName& file)
{
    if (!WriteText(file, Name) || !WriteEach(file, Children))
        return false;
    for (const auto& variable : Variables)
        if (!WriteInt32(file, TagVariable) || !WriteText(file, variable->Name) ||
            !WriteText(file, variable->Value))
            return false;
    return WriteInt32(file, TagEnd);
}

bool RARSection::WriteEach(RFileName& file, const RObjectList<RARSection>& sections)
{
    for (const auto& section : sections)
        if (!WriteInt32(file, TagSection) || !section->WriteTo(file))
            return false;
    return true;
}
