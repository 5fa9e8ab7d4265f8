#pragma once

#include "files/RFileName.h"
#include "text/RString.h"

// Reads the seven descriptive strings of the file's version resource, in the
// language of the first entry of its translation table. True when the
// resource was read: then every output was set, empty for a string the
// resource lacks. False, with the outputs untouched, when the file has no
// readable version resource or no translation table.
bool ReadVersionInfo(const RFileName& file, RString& productName, RString& productVersion,
                     RString& companyName, RString& fileDescription, RString& fileVersion,
                     RString& legalCopyright, RString& comments);

// What the About box and --version show of the running program's own
// version resource.
struct ROwnVersion
{
    RString ProductName;
    RString ProductVersion;
    RString Copyright;
};
// The running program's own; false, with the texts empty, when it has none
// that can be read.
bool ReadOwnVersion(ROwnVersion& version);
