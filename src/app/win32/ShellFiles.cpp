#include "app/win32/ShellFiles.h"

namespace {

// The shell gives names in UTF-16; the program opens every file through the ANSI calls, so a
// name goes into the ANSI code page: UTF-8 wherever the system honours the program's manifest.
// Elsewhere a letter the code page lacks becomes "?", which no file name holds, so the load
// refuses the name instead of a look-alike letter leading to another file.
std::string toAnsi(const std::wstring& name)
{
    if (name.empty()) {
        return {};
    }
    const int wideLength = static_cast<int>(name.size());
    const bool utf8 = GetACP() == CP_UTF8;
    // Best-fit letters and the default-character report are refused for UTF-8, which needs neither.
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int length = WideCharToMultiByte(CP_ACP, flags, name.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, flags, name.data(), wideLength, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

// A name given relative to the folder the program was started in, made whole as a pick makes it.
std::wstring fullPath(const std::wstring& name)
{
    const DWORD length = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (length == 0) {
        return name;
    }
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(name.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) {
        return name;
    }
    full.resize(written);
    return full;
}

}  // namespace

std::vector<std::string> commandLineFiles()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> files;
    if (arguments == nullptr) {
        return files;
    }
    for (int i = 1; i < count; ++i) {
        files.push_back(toAnsi(fullPath(arguments[i])));
    }
    LocalFree(arguments);
    return files;
}

std::vector<std::string> droppedFiles(HDROP drop)
{
    std::vector<std::string> files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        DragQueryFileW(drop, i, name.data(), length + 1);
        name.resize(length);
        files.push_back(toAnsi(name));
    }
    DragFinish(drop);
    return files;
}
