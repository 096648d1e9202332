// Steps on message boxes and dialogs in general: what they show, who owns them, their
// buttons, and that nothing else opens.
#include "Steps.h"

#include "Input.h"
#include "WindowQuery.h"

namespace {

HWND awaitMessageBox(Context& c)
{
    HWND box = awaitDialog(c, "message box");
    if (!isMessageBox(box)) {
        throw StepFailure("expected a message box, found " + describeWindow(box));
    }
    return box;
}

std::string boxText(HWND box) { return windowText(GetDlgItem(box, MESSAGE_BOX_TEXT_ID)); }

void expectBox(Context& c, const Step& step)
{
    HWND box = awaitMessageBox(c);
    const std::string caption = windowText(box);
    const std::string text = boxText(box);
    if (caption != step.args[0] || text != step.args[1]) {
        throw StepFailure("message box: expected caption " + quoted(step.args[0]) + " text " + quoted(step.args[1]) +
                          ", found caption " + quoted(caption) + " text " + quoted(text));
    }
}

// The text of a box that shows a measured time: a blank, the seconds with two decimals, a blank.
bool isSecondsText(const std::string& text)
{
    const std::size_t point = text.find('.');
    if (text.size() < 6 || text.front() != ' ' || text.back() != ' ' || point == std::string::npos ||
        point + 4 != text.size()) {
        return false;
    }
    const auto digits = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
        }
        return from < to;
    };
    return digits(1, point) && digits(point + 1, text.size() - 1);
}

// For a box whose text is a time that differs from run to run: the caption exactly, the text by
// its form.
void expectBoxCaption(Context& c, const Step& step)
{
    HWND box = awaitMessageBox(c);
    const std::string caption = windowText(box);
    const std::string text = boxText(box);
    c.log.line("  box caption " + quoted(caption) + " text " + quoted(text));
    if (caption != step.args[0] || !isSecondsText(text)) {
        throw StepFailure("message box: expected caption " + quoted(step.args[0]) +
                          " with seconds such as \" 0.05 \" as text, found caption " + quoted(caption) + " text " +
                          quoted(text));
    }
}

void expectBoxOtherThan(Context& c, const Step& step)
{
    HWND box = awaitMessageBox(c);
    const std::string caption = windowText(box);
    c.log.line("  box caption " + quoted(caption) + " text " + quoted(boxText(box)));
    if (caption == step.args[0]) {
        throw StepFailure("message box: expected a caption other than " + quoted(step.args[0]));
    }
}

void expectOwner(Context& c, const Step& step)
{
    if (c.current == nullptr) {
        throw StepFailure("no current dialog to check the owner of");
    }
    HWND owner = GetWindow(c.current, GW_OWNER);
    const bool mainWanted = step.args[0] == "main";
    const bool matches =
        mainWanted ? owner == c.target.mainWindow() : owner != nullptr && windowText(owner) == step.args[0];
    if (!matches) {
        const std::string found = owner == nullptr ? "no owner" : describeWindow(owner);
        throw StepFailure("owner of " + describeWindow(c.current) + ": expected " +
                          (mainWanted ? std::string("the main window") : quoted(step.args[0])) + ", found " + found);
    }
}

void expectDialog(Context& c, const Step& step)
{
    HWND dialog = awaitDialog(c, "dialog " + quoted(step.args[0]));
    const std::string caption = windowText(dialog);
    if (caption != step.args[0]) {
        throw StepFailure("dialog caption: expected " + quoted(step.args[0]) + ", found " + describeWindow(dialog));
    }
}

void expectStatic(Context& c, const Step& step)
{
    if (c.current == nullptr) {
        throw StepFailure("no current dialog to look for a static text in");
    }
    std::string seen;
    for (HWND control : childrenOfClass(c.current, "Static")) {
        const std::string text = windowText(control);
        if (text == step.args[0]) {
            return;
        }
        seen += "\n    " + quoted(text);
    }
    throw StepFailure("no static text " + quoted(step.args[0]) + " in " + describeWindow(c.current) +
                      "; its static texts:" + seen);
}

void expectFocus(Context& c, const Step& step)
{
    if (c.current == nullptr) {
        throw StepFailure("no current dialog to check the focus in");
    }
    expectFocusOn(c, c.current, static_cast<int>(unsignedArg(step, 0)));
}

void expectField(Context& c, const Step& step)
{
    if (c.current == nullptr) {
        throw StepFailure("no current dialog to read a field of");
    }
    const int id = static_cast<int>(unsignedArg(step, 0));
    HWND field = GetDlgItem(c.current, id);
    if (field == nullptr) {
        throw StepFailure("no control " + step.args[0] + " in " + describeWindow(c.current));
    }
    // Typed keys arrive through the program's input queue a moment after they were sent.
    std::string text;
    const bool matches = waitUntil(2000, [&] {
        text = windowText(field);
        return text == step.args[1];
    });
    if (!matches) {
        throw StepFailure("control " + step.args[0] + ": expected " + quoted(step.args[1]) + ", found " + quoted(text));
    }
}

void ok(Context& c, const Step&)
{
    HWND dialog = c.current != nullptr ? c.current : awaitDialog(c, "dialog");
    pressButton(c, dialog, IDOK);
    awaitClosed(c, dialog, "the dialog after OK");
}

void cancel(Context& c, const Step&)
{
    HWND dialog = c.current != nullptr ? c.current : awaitDialog(c, "dialog");
    pressButton(c, dialog, IDCANCEL);
    awaitClosed(c, dialog, "the dialog after CANCEL");
}

void press(Context& c, const Step& step)
{
    HWND dialog = c.current != nullptr ? c.current : awaitDialog(c, "dialog");
    pressButton(c, dialog, static_cast<int>(unsignedArg(step, 0)));
}

// Types keys that answer the current dialog (Enter, Escape...): from then on it is no longer
// taken for a new window, even while it stays open under a box of its own.
void answerKeys(Context& c, const Step& step)
{
    if (c.current == nullptr) {
        throw StepFailure("no current dialog to answer");
    }
    HWND dialog = c.current;
    if (!bringToFront(dialog, 2000)) {
        throw StepFailure("cannot make " + describeWindow(dialog) + " the foreground window");
    }
    const std::string problem = typeCombination(step.args[0]);
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
    c.dismissed.insert(dialog);
    c.current = nullptr;
}

// For a command whose box depends on how far the program has come (a demonstration, not a
// test): a box that opens within the time is logged and closed with OK; none is fine too.
void answerBoxIfAny(Context& c, const Step& step)
{
    requireStarted(c);
    HWND box = nullptr;
    waitUntil(unsignedArg(step, 0), [&] {
        box = activeDialog(c.target.processId(), c.dismissed);
        return box != nullptr;
    });
    if (box == nullptr) {
        c.log.line("  no box");
        return;
    }
    if (!isMessageBox(box)) {
        throw StepFailure("expected a message box or none, found " + describeWindow(box));
    }
    c.log.line("  box caption " + quoted(windowText(box)) + " text " + quoted(boxText(box)));
    pressButton(c, box, IDOK);
    awaitClosed(c, box, "the box after OK");
}

// Nothing new opens for the whole time, and what was answered before has closed by its end.
void expectNoWindow(Context& c, const Step& step)
{
    requireStarted(c);
    const DWORD periodMs = unsignedArg(step, 0);
    HWND appeared = nullptr;
    waitUntil(periodMs, [&] {
        for (HWND dialog : visibleDialogs(c.target.processId())) {
            if (c.dismissed.count(dialog) == 0) {
                appeared = dialog;
            }
        }
        return appeared != nullptr;
    });
    if (appeared != nullptr) {
        throw StepFailure("expected no window, found " + describeWindow(appeared));
    }
    const std::vector<HWND> left = visibleDialogs(c.target.processId());
    if (!left.empty()) {
        throw StepFailure("an answered dialog is still open: " + describeWindow(left.front()));
    }
    c.dismissed.clear();
}

// The current dialog stays open and answering for the whole time, with nothing opened over it
// or beside it.
void expectStaysOpen(Context& c, const Step& step)
{
    requireStarted(c);
    if (c.current == nullptr) {
        throw StepFailure("no current dialog that should stay open");
    }
    HWND dialog = c.current;
    std::string problem;
    waitUntil(unsignedArg(step, 0), [&] {
        if (!IsWindow(dialog) || !IsWindowVisible(dialog)) {
            problem = "the dialog closed";
        } else if (!IsWindowEnabled(dialog)) {
            problem = "the dialog was disabled";
        }
        for (HWND other : visibleDialogs(c.target.processId())) {
            if (other != dialog && c.dismissed.count(other) == 0) {
                problem = "a window appeared: " + describeWindow(other);
            }
        }
        return !problem.empty();
    });
    if (!problem.empty()) {
        throw StepFailure("expected the current dialog to stay open: " + problem);
    }
}

}  // namespace

const std::vector<StepKind>& dialogSteps()
{
    static const std::vector<StepKind> steps = {
        {"expect-box", 2, 2, "expect-box \"<caption>\" \"<text>\"", expectBox},
        {"expect-box-caption", 1, 1, "expect-box-caption \"<caption>\"", expectBoxCaption},
        {"expect-box-other-than", 1, 1, "expect-box-other-than \"<caption>\"", expectBoxOtherThan},
        {"expect-owner", 1, 1, "expect-owner main | \"<caption of the owner>\"", expectOwner},
        {"expect-dialog", 1, 1, "expect-dialog \"<caption>\"", expectDialog},
        {"expect-static", 1, 1, "expect-static \"<text>\"", expectStatic},
        {"expect-focus", 1, 1, "expect-focus <control identifier>", expectFocus},
        {"expect-field", 2, 2, "expect-field <control identifier> \"<text>\"", expectField},
        {"ok", 0, 0, "ok", ok},
        {"answer-box-if-any", 1, 1, "answer-box-if-any <ms>", answerBoxIfAny},
        {"cancel", 0, 0, "cancel", cancel},
        {"answer-keys", 1, 1, "answer-keys <combination, e.g. enter or escape>", answerKeys},
        {"press", 1, 1, "press <button identifier>", press},
        {"expect-stays-open", 1, 1, "expect-stays-open <ms>", expectStaysOpen},
        {"expect-no-window", 1, 1, "expect-no-window <ms>", expectNoWindow},
    };
    return steps;
}
