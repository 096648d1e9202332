// The client-size hook, loaded into the program under test. See ClientSizeProtocol.h.
#include <windows.h>

#include <cstdio>

#include "ClientSizeProtocol.h"

namespace {

void setClientSize(HWND window, ATOM sizeAtom)
{
    char text[64] = {};
    int width = 0;
    int height = 0;
    if (GlobalGetAtomNameA(sizeAtom, text, sizeof text) == 0 || std::sscanf(text, "%d %d", &width, &height) != 2) {
        return;
    }
    // A menu bar may wrap onto a second line as the window narrows: measure again after each try.
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT outer{};
        RECT client{};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        if (client.right == width && client.bottom == height) {
            return;
        }
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK clientSizeHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT request = RegisterWindowMessageA(CLIENT_SIZE_MESSAGE);
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == request) {
            setClientSize(call->hwnd, static_cast<ATOM>(call->wParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
