// The menu read-back hook, loaded into the program under test. See MenuDumpProtocol.h.
#include <windows.h>

#include <cstdio>
#include <string>

#include "MenuDumpProtocol.h"

namespace {

const char* enabledState(UINT state)
{
    if ((state & MFS_DISABLED) == 0) {
        return "enabled";
    }
    // MFS_GRAYED includes the MF_DISABLED bit; a disabled but not grayed item lacks MF_GRAYED.
    return (state & MF_GRAYED) != 0 ? "grayed" : "disabled";
}

std::string itemLine(HMENU menu, UINT position, int depth, HMENU& subMenu)
{
    char text[512] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    if (!GetMenuItemInfoA(menu, position, TRUE, &info)) {
        return indent + "unreadable item at position " + std::to_string(position);
    }
    subMenu = info.hSubMenu;
    if ((info.fType & MFT_SEPARATOR) != 0) {
        return indent + "separator";
    }
    const std::string state =
        std::string(enabledState(info.fState)) + " " + ((info.fState & MFS_CHECKED) != 0 ? "checked" : "unchecked");
    if (subMenu != nullptr) {
        return indent + "popup \"" + text + "\" " + state;
    }
    return indent + "item " + std::to_string(info.wID) + " \"" + text + "\" " + state;
}

void describeMenu(HMENU menu, int depth, std::string& out)
{
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        HMENU subMenu = nullptr;
        out += itemLine(menu, static_cast<UINT>(position), depth, subMenu) + "\r\n";
        if (subMenu != nullptr) {
            describeMenu(subMenu, depth + 1, out);
        }
    }
}

void writeMenuDump(HWND window, ATOM pathAtom)
{
    char path[MAX_PATH] = {};
    if (GlobalGetAtomNameA(pathAtom, path, sizeof path) == 0) {
        return;
    }
    HMENU bar = GetMenu(window);
    std::string out = bar == nullptr ? std::string("no menu\r\n") : std::string();
    if (bar != nullptr) {
        describeMenu(bar, 0, out);
    }
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK menuDumpHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT request = RegisterWindowMessageA(MENU_DUMP_MESSAGE);
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == request) {
            writeMenuDump(call->hwnd, static_cast<ATOM>(call->wParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
