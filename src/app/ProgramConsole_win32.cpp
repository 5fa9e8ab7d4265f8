#include "app/ProgramConsole.h"

#include "app/ConsoleOutput.h"

#include <windows.h>

std::size_t RProgramConsole::ReadInput(char* buffer, std::size_t size)
{
    HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE)
        return 0;
    DWORD read = 0;
    // A pipe whose writer has gone reports a broken pipe: the input's end.
    if (!::ReadFile(input, buffer, static_cast<DWORD>(size), &read, nullptr))
        return 0;
    return read;
}

bool RProgramConsole::WriteOutput(std::string_view text)
{
    return WriteStandardOutput(std::string(text));
}

void RProgramConsole::WriteError(std::string_view text)
{
    WriteStandardError(std::string(text));
}
