#pragma once

#include "files/RFileName.h"
#include "settings/PlaceableWindow.h"
#include "settings/RARSection.h"
#include "settings/RObjectList.h"
#include "text/RString.h"

#include <cstdint>

// The program's settings, held whole in memory and kept in one binary file in
// the user's application-data folder. The top level holds one profile per
// user (or "RARAllUsers"); below it, sections addressed by "|"-separated
// paths hold variables whose values are decimal texts.
//
// The file is read once, when the store is built, and written when the store
// is destroyed, only when something was written meanwhile. A damaged file
// keeps the profiles read before the damage; the others are dropped.
class RAppReg
{
public:
    // The profile of all users when the store runs in all-users mode.
    static constexpr const char* AllUsersProfile = "RARAllUsers";

    // Builds the store and loads its file. The file is the program file's
    // base name (or baseName, when given and not empty, or "appdata" when the
    // caller is no application) with the extension "apr", in subfolder
    // ("Quenlar\Tintwell") of the application-data folder, or beside the
    // program when there is none. The folder and an empty file are created.
    RAppReg(const RString& subfolder, bool allUsers, const char* baseName = nullptr,
            bool isApplication = true);
    // Saves when anything was written.
    virtual ~RAppReg();
    RAppReg(const RAppReg&) = delete;
    RAppReg& operator=(const RAppReg&) = delete;

    // Selects the current section below the profile: levels separated by "|",
    // each trimmed, empty levels dropped. An empty path selects "Default".
    void SetSection(const RString& path);
    // The current section path joined with "|".
    RString GetSectionPath() const;
    void UseAllUsersProfile();
    void UseCurrentUserProfile();
    const RString& GetProfileName() const { return ProfileName; }

    // The variable read as atol reads it (so a value that is not a number
    // reads 0, and one beyond 32 bits wraps), or defaultValue when the
    // section or the variable does not exist. Creates nothing.
    std::int32_t ReadInt(const RString& name, std::int32_t defaultValue);
    // Stores value in decimal, creating profile, sections and variable as
    // needed, and marks the store changed even when the text is the same.
    void WriteInt(const RString& name, std::int32_t value);
    // The variable's text as stored, or defaultValue as ReadInt has it.
    RString ReadString(const RString& name, const RString& defaultValue);
    // Stores value as it is (cut to the file's longest text when written),
    // as WriteInt does.
    void WriteString(const RString& name, const RString& value);

    // Saves pending changes, then replaces the tree by the file's. False when
    // the save fails (nothing is changed then) or the file is damaged. A
    // file that exists but cannot be opened, or is larger than any settings
    // file (RSettingsReader::MaxFileSize), loads as an empty store and is
    // kept: no save replaces it until a later Load reads a file.
    bool Load();
    // Writes the tree when it changed. The new file is written beside the old
    // one and then takes its place, so a failure midway leaves the old file
    // whole; on failure the store stays marked changed.
    bool Save();
    bool IsDirty() const { return Dirty; }
    const RFileName& GetFileName() const { return FileName; }

    // Applies the placement stored in section (of the current user's profile)
    // to window and registers both for SaveWindow. With restoreSize false only
    // the position is applied; defaultWidth and defaultHeight stand in for a
    // stored size of 0 when both are non-zero.
    void RestoreWindow(RPlaceableWindow* window, const RString& section, bool restoreSize,
                       int defaultWidth, int defaultHeight);
    // Writes the registered window's placement to its section.
    void SaveWindow();

    // The logged-on user's name, or "Unknown" when the system cannot say.
    static RString GetCurrentUserName();

private:
    RARSection* FindProfileSection(bool create);
    RARSection* FindSection(bool create);
    RARVariable* FindVariable(const RString& name, bool create);
    bool WriteTree(RFileName& file);

    RFileName FileName;
    bool Dirty = false;
    bool KeepFile = false; // the file on disk could not be read
    RString ProfileName;
    RObjStringList SectionPath;
    RObjectList<RARSection> Profiles;
    RPlaceableWindow* PlacementWindow = nullptr; // not owned
    RString PlacementSection;
    bool RestoreSize = true;
};
