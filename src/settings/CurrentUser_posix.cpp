#include "settings/CurrentUser.h"

#include <pwd.h>
#include <unistd.h>
#include <vector>

bool QueryLoggedOnUserName(RString& name)
{
    constexpr int NameCapacity = 256; // with its terminator, as the name buffer holds
    long bufferSize = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    if (bufferSize <= 0)
        bufferSize = 16384;
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_name == nullptr)
        return false;
    const RString login(found->pw_name);
    if (login.IsEmpty() || login.Length() >= NameCapacity)
        return false;
    name = login;
    return true;
}
