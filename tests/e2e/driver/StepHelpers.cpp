// Helpers shared by the step families: arguments, the started program, waiting for dialogs,
// the keyboard focus and the text of a field.
#include "Steps.h"

#include "WindowQuery.h"

#include <cstdlib>

std::uint32_t unsignedArg(const Step& step, std::size_t index)
{
    const std::string& text = step.args.at(index);
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || value > 0xFFFFFFFFull) {
        throw StepFailure("argument " + std::to_string(index + 1) +
                          " is not an unsigned 32-bit number: " + quoted(text));
    }
    return static_cast<std::uint32_t>(value);
}

void startTarget(Context& context, const std::vector<std::string>& arguments)
{
    // After its end the program may be started again: a new run, such as one that loads what
    // the last run saved.
    if (context.target.running()) {
        throw StepFailure("the program is already running");
    }
    context.dismissed.clear();
    context.current = nullptr;
    const std::string problem = context.target.start(context.program, context.workDir, context.waitMs, arguments);
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
    context.log.line("  started process " + std::to_string(context.target.processId()) + ", main window " +
                     describeWindow(context.target.mainWindow()));
}

void requireStarted(const Context& context)
{
    if (!context.target.started()) {
        throw StepFailure("the program has not been started (missing start step)");
    }
}

namespace {

std::string visibleDialogList(DWORD processId)
{
    std::string list;
    for (HWND dialog : visibleDialogs(processId)) {
        list += "\n    " + describeWindow(dialog) + (IsWindowEnabled(dialog) ? "" : " (disabled)");
    }
    return list.empty() ? " none" : list;
}

}  // namespace

HWND awaitDialog(Context& context, const std::string& what)
{
    requireStarted(context);
    HWND found = nullptr;
    const DWORD processId = context.target.processId();
    waitUntil(context.waitMs, [&] {
        // A destroyed window's handle may come back for a new one.
        std::erase_if(context.dismissed, [](HWND window) { return !IsWindow(window); });
        found = activeDialog(processId, context.dismissed);
        return found != nullptr || !context.target.running();
    });
    if (found == nullptr) {
        const std::string state = context.target.running() ? "" : " (the program has ended)";
        throw StepFailure("no " + what + " appeared within " + std::to_string(context.waitMs) + " ms" + state +
                          "; visible dialogs:" + visibleDialogList(processId));
    }
    context.current = found;
    return found;
}

void pressButton(Context& context, HWND dialog, int buttonId)
{
    // The notification a click sends, posted so the driver never waits on the program.
    HWND button = GetDlgItem(dialog, buttonId);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    context.dismissed.insert(dialog);
    if (context.current == dialog) {
        context.current = nullptr;
    }
}

void awaitClosed(Context& context, HWND dialog, const std::string& what)
{
    const bool closed = waitUntil(context.waitMs, [dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
    if (!closed) {
        throw StepFailure(what + " is still open after " + std::to_string(context.waitMs) +
                          " ms: " + describeWindow(dialog));
    }
}

void expectFocusOn(Context& context, HWND dialog, int controlId)
{
    HWND control = GetDlgItem(dialog, controlId);
    HWND focus = nullptr;
    const bool focused = waitUntil(1000, [&] {
        focus = focusedWindow(context.target.uiThreadId());
        return control != nullptr && focus == control;
    });
    if (!focused) {
        const std::string found =
            focus == nullptr ? "nothing" : describeWindow(focus) + " id " + std::to_string(GetDlgCtrlID(focus));
        throw StepFailure("keyboard focus: expected control " + std::to_string(controlId) + " of " +
                          describeWindow(dialog) + ", found " + found);
    }
}

void setFieldText(HWND field, const std::string& text)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 2000, &ignored);
    const std::string readBack = windowText(field);
    if (readBack != text) {
        throw StepFailure("typed " + quoted(text) + " into " + describeWindow(field) + ", it holds " +
                          quoted(readBack));
    }
}
