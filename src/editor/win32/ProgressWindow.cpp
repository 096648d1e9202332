#include "editor/win32/ProgressWindow.h"

#include <string>

#include "ui/win32/GuardedCall.h"

namespace {

constexpr char PROGRESS_CLASS[] = "MorlandoProgress";
constexpr int BAR_LEFT = 20;
constexpr int BAR_TOP = 20;
constexpr int BAR_WIDTH = 360;
constexpr int BAR_HEIGHT = 16;
constexpr UINT_PTR CANCEL_ID = IDCANCEL;

bool cancelled = false;
std::uint32_t shown = 0;

LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == CANCEL_ID) {
            cancelled = true;
        }
        return 0;
    case WM_CLOSE: cancelled = true; return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        RECT frame{BAR_LEFT, BAR_TOP, BAR_LEFT + BAR_WIDTH, BAR_TOP + BAR_HEIGHT};
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        RECT done{BAR_LEFT + 1, BAR_TOP + 1, BAR_LEFT + 1 + static_cast<int>(shown) * (BAR_WIDTH - 2) / 1000,
                  BAR_TOP + BAR_HEIGHT - 1};
        FillRect(dc, &done, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK progressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return guardedCall(
        window, [&] { return handle(window, message, wParam, lParam); }, LRESULT{0});
}

void pumpMessages()
{
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop to see
            cancelled = true;
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

bool runWithProgressWindow(HINSTANCE instance, HWND owner, std::string_view caption,
                           const std::function<bool(const ProgressTick&)>& work)
{
    WNDCLASSEXA windowClass{};
    if (!GetClassInfoExA(instance, PROGRESS_CLASS, &windowClass)) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = progressProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = PROGRESS_CLASS;
        RegisterClassExA(&windowClass);
    }
    cancelled = false;
    shown = 0;
    const std::string title(caption);
    HWND window =
        CreateWindowExA(WS_EX_DLGMODALFRAME, PROGRESS_CLASS, title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        CW_USEDEFAULT, CW_USEDEFAULT, 420, 120, owner, nullptr, instance, nullptr);
    CreateWindowExA(0, "BUTTON", "CANCEL", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 160, 46, 80, 24, window,
                    reinterpret_cast<HMENU>(CANCEL_ID), instance, nullptr);
    EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    const bool finished = work([window](std::uint32_t permille) {
        if (permille / 10 != shown / 10) {
            shown = permille;
            InvalidateRect(window, nullptr, FALSE);
        }
        pumpMessages();
        return !cancelled;
    });
    EnableWindow(owner, TRUE);
    DestroyWindow(window);
    SetActiveWindow(owner);
    return finished;
}
