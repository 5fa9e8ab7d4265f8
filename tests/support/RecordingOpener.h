#pragma once

// A stand-in for the desktop's opener, first on PATH for one test: it
// appends each target it is given to a file, one per line.
#include "support/TestFolder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Puts the opener in place; returns the file it records to.
inline std::filesystem::path RecordingOpener(TestFolder& folder)
{
    const auto bin = folder.Path() / "bin";
    std::filesystem::create_directories(bin);
    std::ofstream(bin / "xdg-open") << "#!/bin/sh\necho \"$1\" >> \"$TW_RECORD\"\n";
    std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
    folder.SetEnv("PATH", bin.string() + ":/usr/bin:/bin");
    const auto record = folder.Path() / "opened";
    folder.SetEnv("TW_RECORD", record.string());
    return record;
}

inline std::vector<std::string> Lines(const std::filesystem::path& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
