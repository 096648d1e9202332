#include "cli/StandardInput.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

namespace {

// A pipe's read gives what has arrived, up to the bytes asked; the end of the writer's side is
// the end of the stream.
StreamRead readSome(std::uint8_t* into, std::size_t most)
{
    const unsigned asked = most > INT_MAX ? INT_MAX : static_cast<unsigned>(most);
    const int got = _read(_fileno(stdin), into, asked);
    if (got > 0) {
        return {static_cast<std::size_t>(got), false, 0};
    }
    if (got == 0) {
        return {0, true, 0};
    }
    return {0, false, errno};
}

// A file's own path, as the system names it, when standard input is one: asked wide for its
// length first, so that a name of any length and script comes whole, in UTF-8 as every other.
std::string fileRead()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (input == INVALID_HANDLE_VALUE || input == nullptr || GetFileType(input) != FILE_TYPE_DISK) {
        return {};
    }
    const DWORD needed = GetFinalPathNameByHandleW(input, nullptr, 0, FILE_NAME_NORMALIZED);
    if (needed == 0) {
        return {};
    }
    std::wstring path(needed, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(input, path.data(), needed, FILE_NAME_NORMALIZED);
    if (length == 0 || length >= needed) {
        return {};
    }
    const int wide = static_cast<int>(length);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, path.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string name(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.data(), wide, name.data(), bytes, nullptr, nullptr);
    return name;
}

}  // namespace

// The samples are bytes: without binary mode the runtime would take CR LF for LF and 0x1A for an end.
StandardInput openStandardInput()
{
    _setmode(_fileno(stdin), _O_BINARY);
    return {readSome, nullptr, fileRead};
}
