#include "shell/ShellOpen.h"

bool ShellOpen(const RString& target)
{
    if (target.Text()[0] == '%')
        return ShellOpenEx(nullptr, target, RString());
    return ShellService::OpenDocument(target);
}

bool ShellOpenEx(ShellService::WindowHandle owner, const RString& target,
                 const RString& parameters)
{
    const RFileName split(target);
    return ShellService::OpenDocumentIn(owner, split.GetNameExt(), parameters, split.GetFolder());
}

bool GetAppDataFolder(RFileName& fileName, bool allUsers, const RString& subfolder)
{
    RString shellFolder;
    if (!ShellService::GetApplicationDataFolder(allUsers, shellFolder))
        return false;
    // Worked out on a scratch name first, so that a refusal changes nothing.
    RFileName folder;
    if (!folder.SetFolder(shellFolder))
        return false;
    if (!subfolder.IsEmpty() && !folder.AddSubfolder(subfolder))
        return false;
    // A level that cannot be made shows when the caller opens its file.
    folder.MakeFolders();
    return fileName.SetFolder(folder.GetFolder());
}
