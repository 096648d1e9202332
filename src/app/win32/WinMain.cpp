// Start-up: pens, strings, window class, main window, binary file mode, accelerators, message loop.
#include <windows.h>

#include <fcntl.h>
#include <stdlib.h>

#include <array>

#include "app/win32/MainWindow.h"
#include "app/win32/SplitStops.h"
#include "app/win32/Win32Platform.h"
#include "core/AppState.h"
#include "res/resource.h"
#include "writing/SplitStopRequest.h"
#include "ui/win32/Pens.h"

namespace {

AppState state;

// The pens exist before the entry point runs, as the drawings of every command may need them.
struct StartupPens {
    StartupPens()
    {
        state.thickRedPen = createPen(THICK_RED_PEN);
        state.greenPen = createPen(GREEN_PEN);
        state.bluePen = createPen(BLUE_PEN);
        state.yellowPen = createPen(YELLOW_PEN);
        state.thickGreyPen = createPen(THICK_GREY_PEN);
    }
} startupPens;

std::string loadString(HINSTANCE instance, UINT id)
{
    std::array<char, 100> text{};
    const int length = LoadStringA(instance, id, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

int runMessageLoop(HACCEL accelerators)
{
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    static Win32Platform ui(instance);
    static const Program program{state, ui};

    state.windowTitle = loadString(instance, IDS_APP_TITLE);
    state.windowClassName = loadString(instance, IDS_WINDOW_CLASS);
    registerMainWindowClass(instance, program);
    // Every file of the program is bytes in and bytes out: no line-end translation anywhere.
    _fmode = _O_BINARY;
    // A split answers the session's end and a close of the window while it writes.
    splitStopRequest().poll = takeEndingMessages;
    if (!createMainWindow(instance, showCommand)) {
        return 0;
    }
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    return runMessageLoop(accelerators);
}
