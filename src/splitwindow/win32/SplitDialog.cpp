// The two split dialogs, one procedure for both:
//   "SPLIT to Children" (IDD_SPLIT_TO_CHILDREN, ALLSPLIT)
//     IDOK             START, the default button (Enter)
//     IDC_SPLIT_READY  Ready: leaves like CANCEL, nothing is written
//   "NEWSPLIT" (IDD_NEWSPLIT, SPLIT TO CHILDREN)
//     IDOK             START, the default button (Enter)
//     IDCANCEL         CANCEL
// Escape arrives as IDCANCEL in both. The close box and Alt+F4 do nothing: the dialog is left
// only through its buttons or Escape. The tracks and the progress of a split are drawn by the
// program on the dialog itself.
#include "splitwindow/win32/SplitDialog.h"

#include "res/resource.h"
#include "ui/win32/DcSurface.h"
#include "ui/win32/GuardedCall.h"
#include "ui/win32/Pens.h"

namespace {

// What the procedure needs; it travels in the dialog's creation parameter.
struct SplitDialogContext {
    DialogHandler& handler;
    HPEN thickGreenPen = nullptr;
};

SplitDialogContext* contextOf(HWND dialog)
{
    return reinterpret_cast<SplitDialogContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// The painting's device context for the length of one WM_PAINT, given back however it ends.
class PaintSurface : public DcSurface {
public:
    PaintSurface(HWND window, PAINTSTRUCT& paint)
        : DcSurface(BeginPaint(window, &paint)), window_(window), paint_(paint)
    {
    }
    ~PaintSurface() override
    {
        restorePen();
        EndPaint(window_, &paint_);
    }
    PaintSurface(const PaintSurface&) = delete;
    PaintSurface& operator=(const PaintSurface&) = delete;

private:
    HWND window_;
    PAINTSTRUCT& paint_;
};

// Drawn between BeginPaint and EndPaint: the background is erased inside BeginPaint, so tracks
// drawn before it would be wiped out again.
void paintTracks(HWND dialog, DialogHandler& handler)
{
    PAINTSTRUCT paint{};
    PaintSurface surface(dialog, paint);
    handler.onPaint(surface);
}

INT_PTR command(HWND dialog, SplitDialogContext& context, int id)
{
    switch (id) {
    case IDOK:
        context.handler.onStart(dialog, context.thickGreenPen);
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL:
    case IDC_SPLIT_READY: EndDialog(dialog, IDCANCEL); return TRUE;
    default: return FALSE;
    }
}

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    }
    SplitDialogContext* context = contextOf(dialog);
    if (context == nullptr) {
        return FALSE;  // the few messages before WM_INITDIALOG
    }
    // Before any message is handled: a time or count cut gives the Children the program's own
    // header fields, so they stand in the record whenever START comes.
    context->handler.onMessage();
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_PAINT: paintTracks(dialog, context->handler); return TRUE;
    case WM_CLOSE: return TRUE;
    case WM_COMMAND: return command(dialog, *context, LOWORD(wParam));
    default: return FALSE;
    }
}

INT_PTR CALLBACK splitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return guardedCall(
        dialog, [&] { return handle(dialog, message, wParam, lParam); }, INT_PTR{FALSE});
}

}  // namespace

void runSplitDialog(HINSTANCE instance, HWND owner, int dialogId, DialogHandler& handler)
{
    SplitDialogContext context{handler, createPen(THICK_GREEN_PEN)};
    // What the dialog ends with makes no difference: START has done its work by then, if at all.
    DialogBoxParamA(instance, MAKEINTRESOURCEA(dialogId), owner, splitDialogProc, reinterpret_cast<LPARAM>(&context));
    DeleteObject(context.thickGreenPen);
}
