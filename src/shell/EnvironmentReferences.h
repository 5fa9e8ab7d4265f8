#pragma once

#include "text/RString.h"

// text with every %NAME% replaced by the value of the environment variable
// NAME. A reference to a variable that is not set, an empty "%%", and a "%"
// without a partner stay as they stand.
RString ExpandEnvironmentReferences(const RString& text);
