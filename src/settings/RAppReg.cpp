#include "settings/RAppReg.h"

#include "files/FileSystem.h"
#include "settings/CurrentUser.h"
#include "settings/SettingsFileFormat.h"
#include "shell/ShellOpen.h"

#include <memory>
#include <string_view>

using namespace SettingsFileFormat;

RAppReg::RAppReg(const RString& subfolder, bool allUsers, const char* baseName, bool isApplication)
{
    // 2. The base name: given, the program's own, or "appdata" without one.
    RString base(baseName);
    if (base.IsEmpty() && isApplication)
    {
        RString program;
        if (FileSystem::GetProgramFilePath(program))
            FileName.SetPath(program);
        base = FileName.GetName();
    }
    if (base.IsEmpty())
        base = "appdata";

    // 3, 4. The folder, or beside the program when the shell has none.
    if (!GetAppDataFolder(FileName, allUsers, subfolder))
        FileName.SetFolderToProgram();
    FileName.SetName(base);
    FileName.SetExt("apr");

    // 5. A first start leaves an empty file, which loads as an empty store.
    if (!FileName.FileExists() && FileName.CreateText())
        FileName.CloseText();

    // 6-9.
    Dirty = false;
    ProfileName = allUsers ? RString(AllUsersProfile) : GetCurrentUserName();
    Load();
}

RAppReg::~RAppReg()
{
    Save();
}

RString RAppReg::GetCurrentUserName()
{
    RString name;
    return QueryLoggedOnUserName(name) ? name : RString("Unknown");
}

void RAppReg::UseAllUsersProfile()
{
    ProfileName = AllUsersProfile;
}

void RAppReg::UseCurrentUserProfile()
{
    ProfileName = GetCurrentUserName();
}

void RAppReg::SetSection(const RString& path)
{
    const std::string_view text(path.IsEmpty() ? "Default" : path.Text());
    SectionPath.Clear();
    std::size_t start = 0;
    while (start <= text.size())
    {
        const std::size_t bar = std::min(text.find('|', start), text.size());
        RString level(text.data() + start, static_cast<int>(bar - start));
        level.Trim();
        if (!level.IsEmpty())
            SectionPath.Append(std::make_unique<RString>(level));
        start = bar + 1;
    }
}

RString RAppReg::GetSectionPath() const
{
    RString path;
    for (const auto& level : SectionPath)
    {
        if (!path.IsEmpty())
            path.Append('|');
        path.Append(*level);
    }
    return path;
}

RARSection* RAppReg::FindProfileSection(bool create)
{
    for (const auto& profile : Profiles)
        if (profile->Name.Equals(ProfileName))
            return profile.get();
    if (!create)
        return nullptr;
    Dirty = true;
    return Profiles.Append(std::make_unique<RARSection>(ProfileName));
}

RARSection* RAppReg::FindSection(bool create)
{
    RARSection* section = FindProfileSection(create);
    for (const auto& level : SectionPath)
    {
        if (section == nullptr)
            return nullptr;
        RARSection* child = section->FindChild(*level);
        if (child == nullptr && create)
            child = section->Children.Append(std::make_unique<RARSection>(*level));
        section = child;
    }
    return section;
}

RARVariable* RAppReg::FindVariable(const RString& name, bool create)
{
    RARSection* section = FindSection(create);
    if (section == nullptr)
        return nullptr;
    RARVariable* variable = section->FindVariable(name);
    if (variable == nullptr && create)
        variable = section->Variables.Append(std::make_unique<RARVariable>(name, RString()));
    return variable;
}

std::int32_t RAppReg::ReadInt(const RString& name, std::int32_t defaultValue)
{
    const RARVariable* variable = FindVariable(name, false);
    return variable == nullptr ? defaultValue : variable->Value.ToInt();
}

void RAppReg::WriteInt(const RString& name, std::int32_t value)
{
    FindVariable(name, true)->Value = RString(value);
    Dirty = true;
}

RString RAppReg::ReadString(const RString& name, const RString& defaultValue)
{
    const RARVariable* variable = FindVariable(name, false);
    return variable == nullptr ? defaultValue : variable->Value;
}

void RAppReg::WriteString(const RString& name, const RString& value)
{
    FindVariable(name, true)->Value = value;
    Dirty = true;
}

bool RAppReg::WriteTree(RFileName& file)
{
    return WriteInt32(file, Signature) && RARSection::WriteEach(file, Profiles);
}

bool RAppReg::Save()
{
    if (!Dirty)
        return true;
    // A file that could not be read is the user's still: never replaced by
    // what this run knows, which is at most the defaults.
    if (KeepFile)
        return false;
    // Written beside the settings file under a new name and then moved over
    // it, so that a crash or a full disk midway cannot cost the old file. A
    // link is saved through to its file; a file this user may not write
    // stays as it is, as it would with a write in place.
    const RString target = FileSystem::ReplacementTarget(FileName.GetPath().Text());
    if (!FileSystem::MayReplace(target.Text()))
        return false;
    RFileName newFile;
    if (!newFile.OpenReplacementFor(target))
        return false;
    bool written = WriteTree(newFile) && newFile.Flush();
    newFile.Close();
    written = written && FileSystem::MoveOver(newFile.GetPath().Text(), target.Text());
    if (!written)
    {
        FileSystem::RemoveFile(newFile.GetPath().Text());
        return false;
    }
    Dirty = false;
    return true;
}

bool RAppReg::Load()
{
    // 1, 2. Pending changes go to the file first; a failure keeps them here.
    if (!Save())
        return false;
    Profiles.Clear();
    Dirty = false;
    KeepFile = false;
    // 3. No file is an empty store.
    if (!FileName.FileExists())
        return true;
    // 4, 5.
    if (!FileName.OpenRead(true))
    {
        KeepFile = true;
        return false;
    }
    RSettingsReader file(FileName);
    std::int32_t signature = 0;
    bool intact = ReadInt32(file, signature) && signature == Signature;
    // 6. Profiles up to the end, or up to the first damage.
    std::int32_t tag = 0;
    while (intact && ReadInt32(file, tag))
    {
        if (tag != TagSection)
        {
            intact = false;
            break;
        }
        auto profile = std::make_unique<RARSection>();
        if (profile->ReadFrom(file, 1))
            Profiles.Append(std::move(profile));
        else
            intact = false;
    }
    // 7. A file beyond any size the program writes is not read at all, and kept.
    FileName.Close();
    if (file.TooLarge())
    {
        Profiles.Clear();
        KeepFile = true;
    }
    return intact;
}
