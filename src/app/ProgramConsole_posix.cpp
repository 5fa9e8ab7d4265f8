#include "app/ProgramConsole.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

std::size_t RProgramConsole::ReadInput(char* buffer, std::size_t size)
{
    for (;;)
    {
        const ssize_t read = ::read(STDIN_FILENO, buffer, size);
        if (read >= 0)
            return static_cast<std::size_t>(read);
        if (errno != EINTR)
            return 0;
    }
}

bool RProgramConsole::WriteOutput(std::string_view text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

void RProgramConsole::WriteError(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}
