#pragma once

#include "files/RFileName.h"
#include "shell/Shell.h"
#include "text/RString.h"

// Opens target with the application associated with it. A target whose first
// character is "%" goes the extended way (ShellOpenEx), so that the
// environment reference at its head is substituted; a "%" anywhere else
// leaves it alone, as URLs carry escaped characters.
bool ShellOpen(const RString& target);

// Opens the name part of target (name and extension) with the folder part
// as the working folder, both with their %NAME% references substituted.
bool ShellOpenEx(ShellService::WindowHandle owner, const RString& target,
                 const RString& parameters);

// Points the folder of fileName at the user's application-data folder (or
// that of all users) plus subfolder ("A\B": one or more levels), creating the
// levels that are missing. False, with fileName as it was, when the folder
// cannot be had or the result would not fit in a file name.
bool GetAppDataFolder(RFileName& fileName, bool allUsers, const RString& subfolder);
