#pragma once

#include "text/RString.h"

// The desktop's services for opening documents and links and for locating
// the application-data folders. Every failure is a false; nothing is shown.
namespace ShellService
{

// A window of the toolkit's, passed through untouched.
using WindowHandle = void*;

// Hands target (a web address, a "mailto:" address, a file) to the
// application the user has associated with it, showing that application's
// window restored. True when the request was accepted.
bool OpenDocument(const RString& target);

// As OpenDocument for file, with %NAME% references in file and folder
// replaced from the environment and folder as the working folder; shows no
// error of its own. parameters are arguments for a program.
bool OpenDocumentIn(WindowHandle owner, const RString& file, const RString& parameters,
                    const RString& folder);

// The user's own application-data folder, or the one of all users, created
// when it does not exist yet.
bool GetApplicationDataFolder(bool allUsers, RString& folder);

} // namespace ShellService
