#include "ui/win32/Win32Platform.h"

#include <windows.h>
#include <commdlg.h>

#include <array>

#include "app/AppState.h"
#include "app/win32/InfoDialog.h"
#include "cut/win32/NumberPromptDialog.h"
#include "res/resource.h"

namespace {

HWND asWindow(WindowRef window) { return static_cast<HWND>(window); }

// A client-area device context, held for one drawing and given back when the drawing ends.
class GdiSurface : public DrawingSurface {
public:
    explicit GdiSurface(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~GdiSurface() override { ReleaseDC(window_, dc_); }
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void selectPen(PenRef pen) override { SelectObject(dc_, static_cast<HPEN>(pen)); }
    void moveTo(int x, int y) override { MoveToEx(dc_, x, y, nullptr); }
    void lineTo(int x, int y) override { LineTo(dc_, x, y); }
    void textOut(int x, int y, std::string_view text) override
    {
        TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
    }

private:
    HWND window_;
    HDC dc_;
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
