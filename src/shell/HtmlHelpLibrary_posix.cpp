#include "shell/HtmlHelpLibrary.h"

#include <chm_lib.h>
#include <cstddef>
#include <dlfcn.h>

// Our description of an object must be chmlib's, field for field.
static_assert(sizeof(RChmUnit) == sizeof(chmUnitInfo));
static_assert(offsetof(RChmUnit, Length) == offsetof(chmUnitInfo, length));
static_assert(offsetof(RChmUnit, Path) == offsetof(chmUnitInfo, path));

namespace
{

template <typename Function>
bool Find(void* module, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(::dlsym(module, name));
    return function != nullptr;
}

} // namespace

const char* DefaultHtmlHelpLibraryFile()
{
    return "libchm.so.1";
}

bool LoadHtmlHelpLibrary(const char* fileName, RHtmlHelpLibrary& library)
{
    library = {};
    void* module = ::dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr)
        return false;
    RHtmlHelpLibrary loaded;
    loaded.Module = module;
    if (!Find(module, "chm_open", loaded.Open) || !Find(module, "chm_close", loaded.Close) ||
        !Find(module, "chm_resolve_object", loaded.Resolve) ||
        !Find(module, "chm_retrieve_object", loaded.Retrieve))
    {
        ::dlclose(module);
        return false;
    }
    library = loaded;
    return true;
}

void ReleaseHtmlHelpLibrary(RHtmlHelpLibrary& library)
{
    if (library.Module != nullptr)
        ::dlclose(library.Module);
    library = {};
}

bool DisplayHtmlHelpTopic(const RHtmlHelpLibrary&, void*, const char*)
{
    // chmlib only reads pages; the toolkit's viewer shows them.
    return false;
}

void ShowHelpKeyword(void*, const RString&, const RString&)
{
    // No older help engine exists here.
}
