#pragma once

#include "text/RString.h"

#include <cstdint>

// The compiled-HTML-help engine's library, loaded on first use so that the
// program runs where it is missing. On Windows that is the HTML Help control,
// which shows topics in a window of its own. On POSIX it is chmlib: what it
// offers is reading the pages out of a .chm file, which a viewer of ours then
// shows.

// chmlib's description of one object in a .chm file (its chmUnitInfo).
struct RChmUnit
{
    std::uint64_t Start;
    std::uint64_t Length;
    int Space;
    int Flags;
    char Path[513];
};

struct RHtmlHelpLibrary
{
    void* Module = nullptr;
    // The control's own entry point (Windows); none on POSIX.
    void* DisplayEntry = nullptr;
    // The page reader (POSIX); none on Windows.
    void* (*Open)(const char* file) = nullptr;
    void (*Close)(void* chm) = nullptr;
    // 0 when the object at path exists.
    int (*Resolve)(void* chm, const char* path, RChmUnit* unit) = nullptr;
    // The bytes read, up to length, from offset at of the object.
    std::int64_t (*Retrieve)(void* chm, RChmUnit* unit, unsigned char* buffer, std::uint64_t at,
                             std::int64_t length) = nullptr;
};

// The engine's library file on this system: "hhctrl.ocx" on Windows,
// "libchm.so.1" on POSIX.
const char* DefaultHtmlHelpLibraryFile();

// Loads the library by file name and finds its entry points. A library that
// lacks one is released again, not kept. False when it cannot be had.
bool LoadHtmlHelpLibrary(const char* fileName, RHtmlHelpLibrary& library);
// Releases a loaded library.
void ReleaseHtmlHelpLibrary(RHtmlHelpLibrary& library);
// Shows fileAndTopic ("Tintwell.chm::/Overview.htm") in the control's own
// window, owned by owner. False where the engine has no window of its own
// (POSIX) or the topic cannot be shown.
bool DisplayHtmlHelpTopic(const RHtmlHelpLibrary& library, void* owner, const char* fileAndTopic);

// The older help engine: show the topics of file under keyword. Nothing
// where there is no such engine.
void ShowHelpKeyword(void* owner, const RString& file, const RString& keyword);
