#include "ui/win32/CursorTable.h"

#include "ui/win32/Resources.h"
#include "ui/win32/RWindow.h"

#include <map>

namespace
{
std::map<int, HCURSOR>& Table()
{
    static std::map<int, HCURSOR> table;
    return table;
}
} // namespace

void InstallCursor(int number, HCURSOR cursor)
{
    Table()[number] = cursor;
}

HCURSOR CursorFor(int number)
{
    const auto found = Table().find(number);
    if (found != Table().end() && found->second != nullptr)
        return found->second;
    return ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
}

HCURSOR LoadDropperCursor()
{
    return ::LoadCursorA(ProgramInstance(), DropperCursorName);
}
