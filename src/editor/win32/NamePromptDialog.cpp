#include "editor/win32/NamePromptDialog.h"

#include "res/resource.h"
#include "ui/win32/GuardedCall.h"

namespace {

struct NamePromptContext {
    std::string caption;
    std::string initial;
    std::optional<std::string> answer;
};

std::string fieldText(HWND dialog)
{
    HWND field = GetDlgItem(dialog, IDC_PROMPT_TEXT);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    const int length = GetWindowTextA(field, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
    return text;
}

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto* context = reinterpret_cast<NamePromptContext*>(lParam);
        SetWindowTextA(dialog, context->caption.c_str());
        SetDlgItemTextA(dialog, IDC_PROMPT_TEXT, context->initial.c_str());
        HWND field = GetDlgItem(dialog, IDC_PROMPT_TEXT);
        SendMessageA(field, EM_SETSEL, 0, -1);
        SetFocus(field);
        return FALSE;  // the focus is set
    }
    auto* context = reinterpret_cast<NamePromptContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (context == nullptr || message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
    case IDOK:
        context->answer = fieldText(dialog);
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
    default: return FALSE;
    }
}

INT_PTR CALLBACK namePromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return guardedCall(
        dialog, [&] { return handle(dialog, message, wParam, lParam); }, INT_PTR{FALSE});
}

}  // namespace

std::optional<std::string> runNamePrompt(HINSTANCE instance, HWND owner, std::string_view caption,
                                         std::string_view initial)
{
    NamePromptContext context{std::string(caption), std::string(initial), std::nullopt};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TEXT_PROMPT), owner, namePromptProc,
                    reinterpret_cast<LPARAM>(&context));
    return context.answer;
}
