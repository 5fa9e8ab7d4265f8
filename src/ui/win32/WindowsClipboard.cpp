#include "ui/win32/WindowsClipboard.h"

#include <cstring>

namespace
{

// A movable global block holding size bytes of data, as the clipboard takes it.
HGLOBAL GlobalCopy(const void* data, std::size_t size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr)
        return nullptr;
    if (void* bytes = ::GlobalLock(block))
    {
        std::memcpy(bytes, data, size);
        ::GlobalUnlock(block);
        return block;
    }
    ::GlobalFree(block);
    return nullptr;
}

bool Put(UINT format, const void* data, std::size_t size)
{
    HGLOBAL block = GlobalCopy(data, size);
    if (block == nullptr)
        return false;
    if (::SetClipboardData(format, block) == nullptr)
    {
        ::GlobalFree(block); // still ours
        return false;
    }
    return true;
}

} // namespace

bool PutClipboardText(HWND owner, const std::string& text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0 || !::OpenClipboard(owner))
        return false;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    bool put = ::EmptyClipboard() != FALSE;
    put = put && Put(CF_UNICODETEXT, wide.c_str(), wide.size() * sizeof(wchar_t));
    put = put && Put(CF_TEXT, text.c_str(), text.size() + 1);
    ::CloseClipboard();
    return put;
}

bool ClipboardText(HWND owner, std::string& text)
{
    if (!::OpenClipboard(owner))
        return false;
    bool found = false;
    if (HANDLE block = ::GetClipboardData(CF_UNICODETEXT))
    {
        if (const auto* wide = static_cast<const wchar_t*>(::GlobalLock(block)))
        {
            // Bounded by the block: a text without its terminator ends there.
            const std::size_t capacity = ::GlobalSize(block) / sizeof(wchar_t);
            std::size_t length = 0;
            while (length < capacity && wide[length] != L'\0')
                ++length;
            const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr,
                                                   nullptr);
            text.assign(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
            if (size > 0)
                ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), text.data(), size, nullptr, nullptr);
            found = true;
            ::GlobalUnlock(block);
        }
    }
    else if (HANDLE ansi = ::GetClipboardData(CF_TEXT))
    {
        if (const auto* bytes = static_cast<const char*>(::GlobalLock(ansi)))
        {
            const std::size_t capacity = ::GlobalSize(ansi);
            std::size_t length = 0;
            while (length < capacity && bytes[length] != '\0')
                ++length;
            text.assign(bytes, length);
            found = true;
            ::GlobalUnlock(ansi);
        }
    }
    ::CloseClipboard();
    return found;
}
