// Stands in for the program the shell starts for the tests' scheme and file
// type: writes how many arguments it got, each in brackets, and its working
// folder to the file that TW_RECORD names, whole or not at all.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    const char* record = std::getenv("TW_RECORD");
    if (record == nullptr)
        return 1;
    const std::string part = std::string(record) + ".part";
    std::FILE* out = std::fopen(part.c_str(), "w");
    if (out == nullptr)
        return 1;
    std::fprintf(out, "%d\n", argc - 1);
    for (int i = 1; i < argc; ++i)
        std::fprintf(out, "[%s]\n", argv[i]);
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    std::fprintf(out, "%s\n", folder);
    std::fclose(out);
    return ::MoveFileExA(part.c_str(), record, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
