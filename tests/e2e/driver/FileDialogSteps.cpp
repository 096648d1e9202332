// Steps on the file dialog of the program's pickers: answered with a path typed into its name
// field, or cancelled.
#include "Steps.h"

#include "WindowQuery.h"

namespace {

// The file name field of the explorer-style file dialog: a combo box holding an edit field.
inline constexpr int FILE_NAME_FIELD_ID = 1148;

HWND awaitFileDialog(Context& c, const std::string& title)
{
    HWND dialog = awaitDialog(c, "file dialog " + quoted(title));
    if (windowText(dialog) != title) {
        throw StepFailure("file dialog title: expected " + quoted(title) + ", found " + describeWindow(dialog));
    }
    return dialog;
}

HWND fileNameEdit(HWND dialog)
{
    HWND field = GetDlgItem(dialog, FILE_NAME_FIELD_ID);
    if (field == nullptr || windowClass(field) == "Edit") {
        return field;
    }
    const std::vector<HWND> edits = childrenOfClass(field, "Edit");
    return edits.empty() ? nullptr : edits.front();
}

// After Open the dialog may ask whether to create a file that does not exist; that question is
// answered Yes, any other box is a failure.
void awaitFileDialogEnd(Context& c, HWND dialog)
{
    const ULONGLONG deadline = GetTickCount64() + c.waitMs;
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        HWND box = activeDialog(c.target.processId(), c.dismissed);
        if (box != nullptr && GetWindow(box, GW_OWNER) == dialog) {
            if (GetDlgItem(box, IDYES) == nullptr) {
                throw StepFailure("the file dialog answered Open with " + describeWindow(box));
            }
            c.log.line("  confirming " + describeWindow(box));
            pressButton(c, box, IDYES);
        }
        if (GetTickCount64() > deadline) {
            throw StepFailure("the file dialog is still open after Open: " + describeWindow(dialog));
        }
        Sleep(20);
    }
}

void fileDialog(Context& c, const Step& step)
{
    HWND dialog = awaitFileDialog(c, step.args[0]);
    HWND field = fileNameEdit(dialog);
    if (field == nullptr) {
        throw StepFailure("no file name field (control " + std::to_string(FILE_NAME_FIELD_ID) + ") in " +
                          describeWindow(dialog));
    }
    setFieldText(field, step.args[1]);
    pressButton(c, dialog, IDOK);
    awaitFileDialogEnd(c, dialog);
}

// A picker that offers a stored name: its name field must hold that name, which Open confirms.
void fileDialogOffers(Context& c, const Step& step)
{
    HWND dialog = awaitFileDialog(c, step.args[0]);
    HWND field = fileNameEdit(dialog);
    const std::string offered = field == nullptr ? std::string("(no name field)") : windowText(field);
    if (offered != step.args[1]) {
        throw StepFailure("file dialog " + quoted(step.args[0]) + " offers " + quoted(offered) + ", expected " +
                          quoted(step.args[1]));
    }
    pressButton(c, dialog, IDOK);
    awaitFileDialogEnd(c, dialog);
}

void cancelFileDialog(Context& c, const Step& step)
{
    HWND dialog = awaitFileDialog(c, step.args[0]);
    pressButton(c, dialog, IDCANCEL);
    awaitClosed(c, dialog, "the file dialog after Cancel");
}

}  // namespace

const std::vector<StepKind>& fileDialogSteps()
{
    static const std::vector<StepKind> steps = {
        {"file-dialog", 2, 2, "file-dialog \"<title>\" \"<path>\"", fileDialog},
        {"file-dialog-offers", 2, 2, "file-dialog-offers \"<title>\" \"<name>\"", fileDialogOffers},
        {"cancel-file-dialog", 1, 1, "cancel-file-dialog \"<title>\"", cancelFileDialog},
    };
    return steps;
}
