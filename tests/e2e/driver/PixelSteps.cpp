// Steps that read what the main window's client area shows: single pixels compared with their
// expected colours, and a screenshot of the client area alone. Both read the screen, so a
// window in front hides what lies behind it, exactly as the user would see it.
#include "Steps.h"

#include <cstdio>
#include <cstdlib>

#include "HookRequest.h"
#include "Input.h"
#include "Screenshot.h"
#include "menuhook/ClientSizeProtocol.h"

namespace {

COLORREF colourArg(const Step& step, std::size_t index)
{
    const std::string& text = step.args.at(index);
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 16);
    if (text.size() != 6 || *end != '\0') {
        throw StepFailure("argument " + std::to_string(index + 1) + " is not a colour rrggbb: " + quoted(text));
    }
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

std::string hexOf(COLORREF colour)
{
    char text[8] = {};
    std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

COLORREF clientPixel(HWND window, int x, int y)
{
    POINT at{x, y};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// expect-pixels x y rrggbb [x y rrggbb]...: waits until every pixel of the client area shows its
// colour, since a posted command draws only when the program gets to it.
void expectPixels(Context& c, const Step& step)
{
    requireStarted(c);
    if (step.args.size() % 3 != 0) {
        throw StepFailure("expect-pixels takes triples of x, y and rrggbb");
    }
    const DWORD deadline = GetTickCount() + c.waitMs;
    for (;;) {
        std::string differences;
        for (std::size_t i = 0; i < step.args.size(); i += 3) {
            const auto x = static_cast<int>(unsignedArg(step, i));
            const auto y = static_cast<int>(unsignedArg(step, i + 1));
            const COLORREF found = clientPixel(c.target.mainWindow(), x, y);
            if (found != colourArg(step, i + 2)) {
                differences += " (" + step.args[i] + "," + step.args[i + 1] + ") is " + hexOf(found) + " not " +
                               step.args[i + 2] + ";";
            }
        }
        if (differences.empty()) {
            return;
        }
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) {
            throw StepFailure("client pixels:" + differences);
        }
        Sleep(50);
    }
}

// set-client-size w h: resizes the main window so that its client area has that size, whatever
// the frame and menu bar of this system measure; drawings that scale with the width then land
// on known columns. The hook DLL resizes it from inside the program, in the window's own
// coordinates (see ClientSizeProtocol.h), and the driver reads the result back.
void setClientSize(Context& c, const Step& step)
{
    requireStarted(c);
    const HWND window = c.target.mainWindow();
    const std::string size = std::to_string(unsignedArg(step, 0)) + " " + std::to_string(unsignedArg(step, 1));
    const std::string problem = runHookRequest(c.hookDll, CLIENT_SIZE_HOOK_EXPORT, CLIENT_SIZE_MESSAGE, window, size);
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
    RECT client{};
    GetClientRect(window, &client);
    if (client.right != static_cast<LONG>(unsignedArg(step, 0)) ||
        client.bottom != static_cast<LONG>(unsignedArg(step, 1))) {
        throw StepFailure("client area is " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
    }
}

void screenshotClient(Context& c, const Step& step)
{
    requireStarted(c);
    RECT client{};
    GetClientRect(c.target.mainWindow(), &client);
    MapWindowPoints(c.target.mainWindow(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const std::string problem = saveScreenRect(client, step.args[0]);
    if (!problem.empty()) {
        throw StepFailure("screenshot-client: " + problem);
    }
}

// click x y, double-click x y: the mouse at that point of the main window's client area, its
// left button pressed through the input queue once or twice, the window in front first.
void clickClient(Context& c, const Step& step, bool twice)
{
    requireStarted(c);
    const HWND window = c.target.mainWindow();
    if (!bringToFront(window, 2000)) {
        throw StepFailure("cannot make the main window the foreground window");
    }
    POINT at{static_cast<int>(unsignedArg(step, 0)), static_cast<int>(unsignedArg(step, 1))};
    ClientToScreen(window, &at);
    twice ? doubleClickAt(at) : clickAt(at);
}

void click(Context& c, const Step& step) { clickClient(c, step, false); }
void doubleClick(Context& c, const Step& step) { clickClient(c, step, true); }

// minimize-restore: the main window minimised and shown again, so that it is painted anew.
void minimizeRestore(Context& c, const Step&)
{
    requireStarted(c);
    const HWND window = c.target.mainWindow();
    ShowWindow(window, SW_MINIMIZE);
    Sleep(300);
    ShowWindow(window, SW_RESTORE);
    Sleep(300);
}

}  // namespace

const std::vector<StepKind>& pixelSteps()
{
    static const std::vector<StepKind> steps = {
        {"expect-pixels", 3, 30, "expect-pixels <x> <y> <rrggbb> [<x> <y> <rrggbb>]...", expectPixels},
        {"set-client-size", 2, 2, "set-client-size <width> <height>", setClientSize},
        {"screenshot-client", 1, 1, "screenshot-client <file.bmp>", screenshotClient},
        {"click", 2, 2, "click <x> <y>", click},
        {"double-click", 2, 2, "double-click <x> <y>", doubleClick},
        {"minimize-restore", 0, 0, "minimize-restore", minimizeRestore},
    };
    return steps;
}
