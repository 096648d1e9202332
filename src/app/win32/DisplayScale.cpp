#include "app/win32/DisplayScale.h"

#include "ui/Platform.h"

namespace {

// Looked up rather than linked, so that the program still starts on systems without it.
using DpiForWindow = UINT(WINAPI*)(HWND);

DpiForWindow dpiForWindow()
{
    // Through void (*)(), the function pointer type that converts to any other without a warning.
    static const auto found = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    return found;
}

}  // namespace

int windowDotsPerInch(HWND window)
{
    if (const DpiForWindow forWindow = dpiForWindow()) {
        if (const UINT dpi = forWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return systemDotsPerInch();
}

// The manifest makes the program aware of the scale, so the screen's context answers in real
// pixels rather than in those of 96.
int systemDotsPerInch()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : BASE_DOTS_PER_INCH;
}
