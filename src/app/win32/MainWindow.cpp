#include "app/win32/MainWindow.h"

#include "app/Dispatch.h"
#include "app/MotherFromShell.h"
#include "app/Shell.h"
#include "app/win32/ShellFiles.h"
#include "app/win32/SplitStops.h"
#include "editor/win32/EditorWindow.h"
#include "res/resource.h"
#include "ui/win32/GuardedCall.h"

namespace {

const Program* program = nullptr;

constexpr int MAIN_WINDOW_WIDTH = 1024;
constexpr int MAIN_WINDOW_HEIGHT = 600;

// Posted once the window shows: the Mother named on the command line is loaded from the message
// loop, so that its box has a window to belong to.
constexpr UINT WM_LOAD_COMMAND_LINE = WM_APP + 1;

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

LRESULT onLoadCommandLine(HWND window)
{
    CommandContext ctx{program->state, program->ui, window};
    loadMotherFromShell(ctx, commandLineFiles());
    return 0;
}

LRESULT onDropFiles(HWND window, HDROP drop)
{
    const std::vector<std::string> files = droppedFiles(drop);
    // A disabled main window means a command's dialog or box is open: that command may be using
    // the Mother, which a load would close under it.
    if (!IsWindowEnabled(window)) {
        return 0;
    }
    CommandContext ctx{program->state, program->ui, window};
    loadMotherFromShell(ctx, files);
    return 0;
}

LRESULT onClose(HWND window)
{
    if (!closeAfterSplit(window)) {
        DestroyWindow(window);
    }
    return 0;
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
    HWND window = CreateWindowExA(0, state.windowClassName.c_str(), state.windowTitle.c_str(), WS_OVERLAPPEDWINDOW, 0,
                                  0, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return false;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    DragAcceptFiles(window, TRUE);
    PostMessageA(window, WM_LOAD_COMMAND_LINE, 0, 0);
    return true;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return guardedCall(
        window,
        [&]() -> LRESULT {
            switch (message) {
            case WM_CLOSE: return onClose(window);
            case WM_CLOSE_AFTER_SPLIT: DestroyWindow(window); return 0;
            case WM_QUERYENDSESSION: return onQueryEndSession();
            case WM_ENDSESSION: return onEndSession(wParam);
            case WM_DESTROY: return onDestroy();
            case WM_PAINT: return onPaint(window);
            // The cut editor, when open, covers the client area and keeps the keys.
            case WM_SIZE: fitEditorWindow(window); return DefWindowProcA(window, message, wParam, lParam);
            case WM_SETFOCUS: focusEditorWindow(); return 0;
            case WM_COMMAND: return onCommand(window, message, wParam, lParam);
            case WM_DROPFILES: return onDropFiles(window, reinterpret_cast<HDROP>(wParam));
            case WM_LOAD_COMMAND_LINE: return onLoadCommandLine(window);
            default: return DefWindowProcA(window, message, wParam, lParam);
            }
        },
        LRESULT{0});
}
