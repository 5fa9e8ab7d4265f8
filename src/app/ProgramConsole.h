#pragma once

#include "app/ColorConversion.h"

// The program's own standard streams for the conversions. Output is written
// as given, in blocks the caller chooses; an error line that cannot be
// written (a Windows program started without a console) is dropped.
class RProgramConsole : public RConsole
{
public:
    std::size_t ReadInput(char* buffer, std::size_t size) override;
    bool WriteOutput(std::string_view text) override;
    void WriteError(std::string_view text) override;
};
