#include "shell/VersionInfo.h"

#include "files/FileSystem.h"
#include "shell/VersionResource.h"

#include <vector>

bool ReadVersionInfo(const RFileName& file, RString& productName, RString& productVersion,
                     RString& companyName, RString& fileDescription, RString& fileVersion,
                     RString& legalCopyright, RString& comments)
{
    // 1-3. The whole resource, in a buffer of our own for this call.
    const char* path = file.GetPath().Text();
    const std::uint32_t size = VersionResource::BlockSize(path);
    if (size == 0)
        return false;
    std::vector<unsigned char> block(size);
    if (!VersionResource::ReadBlock(path, size, block.data()))
        return false;

    // 4, 5. The first (language, code page) pair names the string block;
    // without one there is no block to read.
    const void* pairs = nullptr;
    std::uint32_t length = 0;
    if (!VersionResource::QueryBinary(block.data(), "\\VarFileInfo\\Translation", pairs, length) ||
        length < 4)
        return false;
    const auto* pair = static_cast<const unsigned char*>(pairs);
    RString blockPath;
    blockPath.Format("\\StringFileInfo\\%04x%04x", pair[0] | (pair[1] << 8), pair[2] | (pair[3] << 8));

    // 6. Each string, empty when the block lacks it.
    const struct
    {
        RString& Output;
        const char* Name;
    } strings[] = {{productName, "\\ProductName"},         {productVersion, "\\ProductVersion"},
                   {companyName, "\\CompanyName"},         {fileDescription, "\\FileDescription"},
                   {fileVersion, "\\FileVersion"},         {legalCopyright, "\\LegalCopyright"},
                   {comments, "\\Comments"}};
    for (const auto& string : strings)
    {
        string.Output = RString();
        RString text;
        if (VersionResource::QueryText(block.data(), (blockPath + string.Name).Text(), text))
            string.Output = text;
    }
    return true;
}

bool ReadOwnVersion(ROwnVersion& version)
{
    version = {};
    RString path, company, description, fileVersion, comments;
    return FileSystem::GetProgramFilePath(path) &&
           ReadVersionInfo(RFileName(path), version.ProductName, version.ProductVersion, company, description,
                           fileVersion, version.Copyright, comments);
}
