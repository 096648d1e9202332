// Number prompt (IDD_NUMBER_PROMPT, "SingleFile"):
//   IDOK               OK, the default button and first tab stop (Enter)
//   IDCANCEL           CANCEL (also Escape and the close box)
//   IDC_PROMPT_NUMBER  digits-only edit field, empty on every opening
// The question is drawn above the field with the device context's own default font and colours.
#include "cut/win32/NumberPromptDialog.h"

#include <string>

#include "cut/NumberPrompt.h"
#include "res/resource.h"
#include "ui/win32/GuardedCall.h"

namespace {

// What the prompt's procedure needs; it travels in the dialog's creation parameter.
struct NumberPromptContext {
    std::string_view question;
    Platform& ui;
    std::uint32_t value = 0;
};

NumberPromptContext* contextOf(HWND dialog)
{
    return reinterpret_cast<NumberPromptContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// The field's whole text, however much was pasted into it.
std::string fieldText(HWND dialog)
{
    HWND field = GetDlgItem(dialog, IDC_PROMPT_NUMBER);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    const int length = GetWindowTextA(field, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
    return text;
}

void paintQuestion(HWND dialog, std::string_view promptText)
{
    const std::string question = visiblePromptText(promptText);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(dialog, &paint);
    TextOutA(dc, 10, 2, question.data(), static_cast<int>(question.size()));
    EndPaint(dialog, &paint);
}

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    NumberPromptContext* context = contextOf(dialog);
    if (context == nullptr) {
        return FALSE;
    }
    switch (message) {
    case WM_PAINT: paintQuestion(dialog, context->question); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            context->value = parsePromptNumber(fieldText(dialog));
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            numberPromptCancel(context->ui, dialog);
            context->value = 0;
            EndDialog(dialog, IDCANCEL);
            return FALSE;
        default: return FALSE;
        }
    default: return FALSE;
    }
}

INT_PTR CALLBACK numberPromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return guardedCall(
        dialog, [&] { return handle(dialog, message, wParam, lParam); }, INT_PTR{FALSE});
}

}  // namespace

std::uint32_t runNumberPrompt(HINSTANCE instance, HWND owner, std::string_view question, Platform& ui)
{
    NumberPromptContext context{question, ui};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NUMBER_PROMPT), owner, numberPromptProc,
                    reinterpret_cast<LPARAM>(&context));
    return context.value;
}
