// Steps on the number prompt "SingleFile": it must open with an empty number field and the
// keyboard focus on OK; it is answered with a number, with Enter at once, or with CANCEL.
#include "Steps.h"

#include "Input.h"
#include "WindowQuery.h"

namespace {

inline constexpr char PROMPT_CAPTION[] = "SingleFile";
inline constexpr int PROMPT_EDIT_ID = 1001;

// The number prompt as it must open: caption, an empty field and the focus on OK.
HWND awaitPrompt(Context& c)
{
    HWND prompt = awaitDialog(c, "number prompt");
    if (windowText(prompt) != PROMPT_CAPTION) {
        throw StepFailure("expected the number prompt " + quoted(PROMPT_CAPTION) + ", found " + describeWindow(prompt));
    }
    const std::string field = windowText(GetDlgItem(prompt, PROMPT_EDIT_ID));
    if (!field.empty()) {
        throw StepFailure("the number field 1001 should open empty, holds " + quoted(field));
    }
    expectFocusOn(c, prompt, IDOK);
    return prompt;
}

// Leaves the prompt open as the current dialog, for typed keys and field checks.
void promptOpen(Context& c, const Step&) { awaitPrompt(c); }

void prompt(Context& c, const Step& step)
{
    HWND dialog = awaitPrompt(c);
    setFieldText(GetDlgItem(dialog, PROMPT_EDIT_ID), step.args[0]);
    pressButton(c, dialog, IDOK);
    awaitClosed(c, dialog, "the number prompt after OK");
}

void promptEnter(Context& c, const Step&)
{
    HWND dialog = awaitPrompt(c);
    if (!bringToFront(dialog, 2000)) {
        throw StepFailure("cannot make the number prompt the foreground window");
    }
    const std::string problem = typeCombination("enter");
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
    c.dismissed.insert(dialog);
    awaitClosed(c, dialog, "the number prompt after Enter");
}

void promptCancel(Context& c, const Step&)
{
    // Not waited for: the prompt stays open under its cancel box until that box is closed.
    pressButton(c, awaitPrompt(c), IDCANCEL);
}

}  // namespace

const std::vector<StepKind>& promptSteps()
{
    static const std::vector<StepKind> steps = {
        {"prompt-open", 0, 0, "prompt-open", promptOpen},
        {"prompt", 1, 1, "prompt \"<text for field 1001>\"", prompt},
        {"prompt-enter", 0, 0, "prompt-enter", promptEnter},
        {"prompt-cancel", 0, 0, "prompt-cancel", promptCancel},
    };
    return steps;
}
