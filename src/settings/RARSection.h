#pragma once

#include "files/RFileName.h"
#include "settings/RObjectList.h"
#include "settings/SettingsReader.h"
#include "text/RString.h"

// A named value of a settings section; integers are kept as decimal text.
class RARVariable
{
public:
    RARVariable() = default;
    RARVariable(const RString& name, const RString& value) : Name(name), Value(value) {}
    virtual ~RARVariable() = default;

    RString Name;
    RString Value;
};

// A named section of the settings tree: child sections and variables, each
// kept in the order they were added or read. Names compare case-sensitively
// and a lookup takes the first match, so duplicates read from a file stay.
class RARSection
{
public:
    RARSection() = default;
    explicit RARSection(const RString& name) : Name(name) {}
    virtual ~RARSection() = default;

    RARSection* FindChild(const RString& name) const;
    RARVariable* FindVariable(const RString& name) const;

    // Reads the body that follows a section tag: the name, the entries, the
    // end tag. depth counts this section's level, 1 for a profile. False on
    // any damage; what was read so far is then the caller's to discard.
    bool ReadFrom(RSettingsReader& file, int depth);
    // Writes the body: the name, all children, then all variables.
    bool WriteTo(RFileName& file);
    // Writes each section of sections as a section tag and its body.
    static bool WriteEach(RFileName& file, const RObjectList<RARSection>& sections);

    RString Name;
    RObjectList<RARSection> Children;
    RObjectList<RARVariable> Variables;
};
