// The drop hook, loaded into the program under test. See DropFilesProtocol.h.
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "DropFilesProtocol.h"

namespace {

std::wstring fromUtf8(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::vector<std::wstring> readNames(ATOM listAtom)
{
    char path[MAX_PATH] = {};
    std::vector<std::wstring> names;
    if (GlobalGetAtomNameA(listAtom, path, sizeof path) == 0) {
        return names;
    }
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            names.push_back(fromUtf8(line));
        }
    }
    return names;
}

// A DROPFILES header followed by the names in UTF-16, each with its terminator, and one more
// terminator after the last: what the shell hands a window that accepts files.
HGLOBAL buildDrop(const std::vector<std::wstring>& names, POINT point)
{
    std::wstring list;
    for (const std::wstring& name : names) {
        list += name;
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    const std::size_t listBytes = list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + listBytes);
    if (memory == nullptr) {
        return nullptr;
    }
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    drop->fNC = FALSE;
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), listBytes);
    GlobalUnlock(memory);
    return memory;
}

void dropFiles(HWND window, ATOM listAtom)
{
    const std::vector<std::wstring> names = readNames(listAtom);
    RECT client{};
    GetClientRect(window, &client);
    HGLOBAL drop = buildDrop(names, POINT{client.right / 2, client.bottom / 2});
    if (drop != nullptr && !PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0)) {
        GlobalFree(drop);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK dropFilesHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT request = RegisterWindowMessageA(DROP_FILES_MESSAGE);
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == request) {
            dropFiles(call->hwnd, static_cast<ATOM>(call->wParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
