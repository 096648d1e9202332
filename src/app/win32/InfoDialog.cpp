// Info dialog (IDD_INFO): icon, program name and version, authorship, the format it is made for,
// and OK (IDOK). Escape and the close box arrive as IDCANCEL.
#include "app/win32/InfoDialog.h"

INT_PTR CALLBACK infoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default: return FALSE;
    }
}
