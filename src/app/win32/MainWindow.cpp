#include "app/win32/MainWindow.h"

#include "app/Dispatch.h"
#include "app/Shell.h"
#include "res/resource.h"
#include "ui/win32/GuardedCall.h"

namespace {

const Program* program = nullptr;

constexpr int MAIN_WINDOW_WIDTH = 1024;
constexpr int MAIN_WINDOW_HEIGHT = 600;

// The window draws nothing of its own: what a drawing command put there is gone after a repaint.
LRESULT onPaint(HWND window)
{
    PAINTSTRUCT paint{};
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
}

LRESULT onCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CommandContext ctx{program->state, program->ui, window};
    if (dispatchCommand(ctx, LOWORD(wParam))) {
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT onDestroy()
{
    onMainWindowDestroyed(program->state);
    PostQuitMessage(0);
    return 0;
}

}  // namespace

void registerMainWindowClass(HINSTANCE instance, const Program& theProgram)
{
    program = &theProgram;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MORLANDO));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
    windowClass.lpszClassName = program->state.windowClassName.c_str();
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SMALL));
    RegisterClassExA(&windowClass);
}

bool createMainWindow(HINSTANCE instance, int showCommand)
{
    AppState& state = program->state;
    HWND window = CreateWindowExA(0, state.windowClassName.c_str(), state.windowTitle.c_str(), WS_OVERLAPPEDWINDOW,
                                  0, 0, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return false;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return guardedCall(
        window,
        [&]() -> LRESULT {
            switch (message) {
            case WM_DESTROY: return onDestroy();
            case WM_PAINT: return onPaint(window);
            case WM_COMMAND: return onCommand(window, message, wParam, lParam);
            default: return DefWindowProcA(window, message, wParam, lParam);
            }
        },
        LRESULT{0});
}
