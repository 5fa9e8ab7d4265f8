#pragma once

#include "text/RString.h"

// The logged-on user's login name, as the system reports it. False when the
// system cannot say, or the name has 256 characters or more.
bool QueryLoggedOnUserName(RString& name);
