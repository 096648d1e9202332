#include "ui/win32/Win32Platform.h"

#include <windows.h>
#include <commdlg.h>

#include <array>

#include "app/AppState.h"
#include "app/win32/InfoDialog.h"
#include "cut/win32/NumberPromptDialog.h"
#include "res/resource.h"
#include "split/win32/SplitDialog.h"
#include "ui/win32/DcSurface.h"

namespace {

HWND asWindow(WindowRef window) { return static_cast<HWND>(window); }

// A client-area device context, held for one drawing and given back when the drawing ends.
class GdiSurface : public DcSurface {
public:
    explicit GdiSurface(HWND window) : DcSurface(GetDC(window)), window_(window) {}
    ~GdiSurface() override
    {
        restorePen();
        ReleaseDC(window_, dc());
    }
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

private:
    HWND window_;
};

}  // namespace

std::optional<std::string> Win32Platform::openFileDialog(const FileDialogRequest& request)
{
    std::array<char, MAX_PATH> name{};
    request.initialName.copy(name.data(), name.size() - 1);

    OPENFILENAMEA ofn{};
    // The structure without its trailing reserved fields, the size every version understands.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = asWindow(request.owner);
    ofn.lpstrFilter = request.filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = request.maxFile;
    ofn.lpstrTitle = request.title.c_str();
    ofn.Flags = request.flags;
    if (!GetOpenFileNameA(&ofn)) {
        return std::nullopt;
    }
    return std::string(name.data());
}

void Win32Platform::messageBox(WindowRef owner, std::string_view caption, std::string_view text)
{
    MessageBoxA(asWindow(owner), std::string(text).c_str(), std::string(caption).c_str(), MB_OK);
}

void Win32Platform::runNumberPrompt(WindowRef owner, AppState& state)
{
    NumberPromptContext context{state, *this};
    DialogBoxParamA(static_cast<HINSTANCE>(state_.appInstance), MAKEINTRESOURCEA(IDD_NUMBER_PROMPT),
                    asWindow(owner), numberPromptProc, reinterpret_cast<LPARAM>(&context));
}

void Win32Platform::runSplitDialog(WindowRef owner, AppState& state, SplitDialogKind kind)
{
    SplitDialogContext context{state, *this, kind};
    const int dialogId = kind == SplitDialogKind::SplitToChildren ? IDD_SPLIT_TO_CHILDREN : IDD_NEWSPLIT;
    // What the dialog ends with makes no difference: START has done its work by then, if at all.
    DialogBoxParamA(static_cast<HINSTANCE>(state_.appInstance), MAKEINTRESOURCEA(dialogId), asWindow(owner),
                    splitDialogProc, reinterpret_cast<LPARAM>(&context));
    // The dialog deletes its pen on WM_DESTROY; this covers a dialog that never got that far.
    releaseSplitDialogPen(context);
}

void Win32Platform::runInfoDialog(WindowRef owner)
{
    DialogBoxParamA(static_cast<HINSTANCE>(state_.appInstance), MAKEINTRESOURCEA(IDD_INFO), asWindow(owner),
                    infoDialogProc, 0);
}

ClientRect Win32Platform::clientRect(WindowRef window)
{
    RECT rect{};
    GetClientRect(asWindow(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::unique_ptr<DrawingSurface> Win32Platform::beginDrawing(WindowRef window)
{
    return std::make_unique<GdiSurface>(asWindow(window));
}

void Win32Platform::deletePen(PenRef pen) { DeleteObject(static_cast<HPEN>(pen)); }

void Win32Platform::destroyWindow(WindowRef window) { DestroyWindow(asWindow(window)); }
