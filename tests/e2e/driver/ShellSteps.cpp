// Steps on the program as a whole: starting it, its main window, menu commands, typed keys,
// the menu bar read back, a screenshot, and its end.
#include "Steps.h"

#include "MenuCommands.h"

#include "Input.h"
#include "MenuReadback.h"
#include "Screenshot.h"
#include "WindowQuery.h"

namespace {

void start(Context& c, const Step&) { startTarget(c, {}); }

void menu(Context& c, const Step& step)
{
    requireStarted(c);
    // A name from res/resource.h; a number is taken for an identifier the menu does not have.
    const std::optional<unsigned> named = menuCommandId(step.args[0]);
    const std::uint32_t command = named ? *named : unsignedArg(step, 0);
    // Exactly what choosing the item sends: WM_COMMAND with the identifier and 0 as source.
    PostMessageA(c.target.mainWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void expectText(const std::string& what, const std::string& expected, const std::string& actual)
{
    if (actual != expected) {
        throw StepFailure(what + ": expected " + quoted(expected) + ", found " + quoted(actual));
    }
}

void expectTitle(Context& c, const Step& step)
{
    requireStarted(c);
    expectText("main window title", step.args[0], windowText(c.target.mainWindow()));
}

void expectClass(Context& c, const Step& step)
{
    requireStarted(c);
    expectText("main window class", step.args[0], windowClass(c.target.mainWindow()));
}

void expectWindowSize(Context& c, const Step& step)
{
    requireStarted(c);
    RECT r{};
    GetWindowRect(c.target.mainWindow(), &r);
    const long width = r.right - r.left;
    const long height = r.bottom - r.top;
    if (width != static_cast<long>(unsignedArg(step, 0)) || height != static_cast<long>(unsignedArg(step, 1))) {
        throw StepFailure("main window size: expected " + step.args[0] + " x " + step.args[1] + ", found " +
                          std::to_string(width) + " x " + std::to_string(height));
    }
}

// The window that takes the keyboard now: the active dialog, else the main window.
HWND keyboardWindow(const Context& c)
{
    for (HWND dialog : visibleDialogs(c.target.processId())) {
        if (IsWindowEnabled(dialog)) {
            return dialog;
        }
    }
    return c.target.mainWindow();
}

void keys(Context& c, const Step& step)
{
    requireStarted(c);
    HWND window = keyboardWindow(c);
    if (!bringToFront(window, 2000)) {
        throw StepFailure("cannot make " + describeWindow(window) + " the foreground window");
    }
    const std::string problem = typeCombination(step.args[0]);
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
}

// Types each character of the text as its own key press, as a user would.
void typeText(Context& c, const Step& step)
{
    requireStarted(c);
    HWND window = keyboardWindow(c);
    if (!bringToFront(window, 2000)) {
        throw StepFailure("cannot make " + describeWindow(window) + " the foreground window");
    }
    for (const char character : step.args[0]) {
        const std::string problem = typeCombination(std::string(1, character));
        if (!problem.empty()) {
            throw StepFailure(problem);
        }
    }
}

// The window a closing step acts on: the main window, or with the argument "dialog" the current
// dialog.
HWND closingTarget(Context& c, const Step& step)
{
    requireStarted(c);
    if (step.args.empty()) {
        return c.target.mainWindow();
    }
    if (step.args[0] != "dialog") {
        throw StepFailure("the only argument of " + step.verb + " is dialog, found " + quoted(step.args[0]));
    }
    if (c.current == nullptr) {
        throw StepFailure("no current dialog to close");
    }
    return c.current;
}

void close(Context& c, const Step& step) { PostMessageA(closingTarget(c, step), WM_CLOSE, 0, 0); }

void systemClose(Context& c, const Step& step) { PostMessageA(closingTarget(c, step), WM_SYSCOMMAND, SC_CLOSE, 0); }

// As the system ends a session: WM_QUERYENDSESSION sent to the main window, its answer logged,
// then WM_ENDSESSION with TRUE. The program may end while it answers the second, so that one's
// answer is not waited for long.
void endSession(Context& c, const Step&)
{
    requireStarted(c);
    HWND window = c.target.mainWindow();
    DWORD_PTR answer = 0;
    const LRESULT sent =
        SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 5000, &answer);
    c.log.line("  WM_QUERYENDSESSION answered " + std::string(sent == 0 ? "nothing" : answer ? "TRUE" : "FALSE"));
    if (sent == 0 || answer == 0) {
        throw StepFailure("the program did not agree to the session's end");
    }
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 2000, &answer);
}

// Finds the close box by asking the window what lies under points along its caption, so the
// click lands where the window itself says its close box is.
bool findCloseBox(HWND window, POINT& centre)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    const int y = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int first = -1;
    int last = -1;
    for (int x = frame.right - 1; x > frame.right - 120; --x) {
        DWORD_PTR hit = 0;
        SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
        if (hit == HTCLOSE) {
            last = last < 0 ? x : last;
            first = x;
        } else if (last >= 0) {
            break;
        }
    }
    centre = {(first + last) / 2, y};
    return last >= 0;
}

void clickCloseBox(Context& c, const Step& step)
{
    HWND window = closingTarget(c, step);
    POINT centre{};
    if (!findCloseBox(window, centre)) {
        throw StepFailure("no point of the caption of " + describeWindow(window) + " answers HTCLOSE");
    }
    c.log.line("  clicking the close box at " + std::to_string(centre.x) + ", " + std::to_string(centre.y));
    if (!bringToFront(window, 2000)) {
        throw StepFailure("cannot make " + describeWindow(window) + " the foreground window");
    }
    clickAt(centre);
}

void expectExit(Context& c, const Step& step)
{
    requireStarted(c);
    const std::uint32_t expected = unsignedArg(step, 0);
    DWORD exitCode = 0;
    if (!c.target.waitForExit(c.waitMs, exitCode)) {
        throw StepFailure("the program is still running after " + std::to_string(c.waitMs) + " ms");
    }
    if (exitCode != expected) {
        throw StepFailure("exit code: expected " + std::to_string(expected) + ", found " + std::to_string(exitCode));
    }
}

void expectMenu(Context& c, const Step& step)
{
    requireStarted(c);
    const std::string dumpPath = c.workDir + "\\menu-readback.txt";
    std::string problem = dumpMenuBar(c.hookDll, c.target.mainWindow(), dumpPath);
    if (problem.empty()) {
        problem = compareMenuDump(dumpPath, step.args[0]);
    }
    if (!problem.empty()) {
        throw StepFailure(problem + " (read back into " + dumpPath + ")");
    }
}

void screenshot(Context& c, const Step& step)
{
    requireStarted(c);
    // Let the program finish painting before the screen is read.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(c.target.mainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    Sleep(300);
    RECT area{};
    GetWindowRect(c.target.mainWindow(), &area);
    const std::string problem = saveScreenRect(area, step.args[0]);
    if (!problem.empty()) {
        throw StepFailure("screenshot: " + problem);
    }
}

void listWindows(Context& c, const Step&)
{
    requireStarted(c);
    for (HWND window : topLevelWindows(c.target.processId())) {
        c.log.line(std::string("  ") + describeWindow(window) + (IsWindowVisible(window) ? " visible" : " hidden") +
                   (IsWindowEnabled(window) ? " enabled" : " disabled"));
    }
}

void sleepStep(Context&, const Step& step) { Sleep(unsignedArg(step, 0)); }

void setTimeout(Context& c, const Step& step) { c.waitMs = unsignedArg(step, 0); }

void note(Context& c, const Step& step) { c.log.line("  note: " + step.args[0]); }

}  // namespace

const std::vector<StepKind>& shellSteps()
{
    static const std::vector<StepKind> steps = {
        {"start", 0, 0, "start", start},
        {"menu", 1, 1, "menu <IDM_ name or identifier>", menu},
        {"expect-title", 1, 1, "expect-title \"<text>\"", expectTitle},
        {"expect-class", 1, 1, "expect-class \"<class name>\"", expectClass},
        {"expect-window-size", 2, 2, "expect-window-size <width> <height>", expectWindowSize},
        {"keys", 1, 1, "keys <combination, e.g. alt+? or enter>", keys},
        {"type", 1, 1, "type \"<characters>\"", typeText},
        {"close", 0, 1, "close [dialog]", close},
        {"system-close", 0, 1, "system-close [dialog]", systemClose},
        {"end-session", 0, 0, "end-session", endSession},
        {"click-close-box", 0, 1, "click-close-box [dialog]", clickCloseBox},
        {"expect-exit", 1, 1, "expect-exit <code>", expectExit},
        {"expect-menu", 1, 1, "expect-menu <expected menu table>", expectMenu},
        {"screenshot", 1, 1, "screenshot <file.bmp>", screenshot},
        {"list-windows", 0, 0, "list-windows", listWindows},
        {"sleep", 1, 1, "sleep <ms>", sleepStep},
        {"timeout", 1, 1, "timeout <ms for the following waits>", setTimeout},
        {"note", 1, 1, "note \"<text for the log>\"", note},
    };
    return steps;
}
