#include "app/win32/Win32Platform.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "app/win32/DisplayScale.h"
#include "app/win32/InfoDialog.h"
#include "cut/win32/NumberPromptDialog.h"
#include "editor/win32/EditorWindow.h"
#include "editor/win32/NamePromptDialog.h"
#include "editor/win32/ProgressWindow.h"
#include "res/resource.h"
#include "splitwindow/win32/SplitDialog.h"
#include "ui/win32/DcSurface.h"
#include "ui/win32/OffscreenSurface.h"
#include "ui/win32/WideText.h"

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

// The wide dialog: its buffer of maxFile UTF-16 letters takes any name the system accepts whole,
// where as many ANSI bytes hold a third of a name of three-byte UTF-8 letters.
std::optional<std::string> Win32Platform::openFileDialog(const FileDialogRequest& request)
{
    std::vector<wchar_t> name(std::max<std::size_t>(request.maxFile, 1), L'\0');
    const std::wstring initial = wideOf(request.initialName);
    if (initial.size() < name.size()) {
        std::copy(initial.begin(), initial.end(), name.begin());
    }
    const std::wstring filter = wideOf(request.filter);  // its NULs converted with the rest
    const std::wstring title = wideOf(request.title);

    OPENFILENAMEW ofn{};
    // The structure without its trailing reserved fields, the size every version understands.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    ofn.hwndOwner = asWindow(request.owner);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = request.flags;
    if (!GetOpenFileNameW(&ofn)) {
        return std::nullopt;
    }
    return utf8Of(name.data());
}

void Win32Platform::messageBox(WindowRef owner, std::string_view caption, std::string_view text)
{
    // Wide, as the drawings: a box naming a file shows its name in any script.
    MessageBoxW(asWindow(owner), wideOf(text).c_str(), wideOf(caption).c_str(), MB_OK);
}

std::uint32_t Win32Platform::promptNumber(WindowRef owner, std::string_view question)
{
    return runNumberPrompt(instance_, asWindow(owner), question, *this);
}

void Win32Platform::runDialog(WindowRef owner, int dialogId, DialogHandler& handler)
{
    switch (dialogId) {
    case IDD_SPLIT_TO_CHILDREN:
    case IDD_NEWSPLIT: runSplitDialog(instance_, asWindow(owner), dialogId, handler); break;
    case IDD_INFO: DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_INFO), asWindow(owner), infoDialogProc, 0); break;
    default: break;  // the program has no other dialog
    }
}

ClientRect Win32Platform::clientRect(WindowRef window)
{
    RECT rect{};
    GetClientRect(asWindow(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

int Win32Platform::dotsPerInch(WindowRef window) { return windowDotsPerInch(asWindow(window)); }

std::unique_ptr<DrawingSurface> Win32Platform::beginDrawing(WindowRef window)
{
    return std::make_unique<GdiSurface>(asWindow(window));
}

std::unique_ptr<DrawingSurface> Win32Platform::beginOffscreenDrawing(WindowRef window)
{
    return std::make_unique<OffscreenSurface>(asWindow(window));
}

void Win32Platform::openPanel(WindowRef owner, PanelHandler& handler)
{
    openEditorWindow(instance_, asWindow(owner), handler);
}

void Win32Platform::closePanel(WindowRef owner) { closeEditorWindow(asWindow(owner)); }

bool Win32Platform::panelOpen(WindowRef) { return editorWindowOpen(); }

void Win32Platform::repaintPanel(WindowRef) { repaintEditorWindow(); }

void Win32Platform::tickPanel(WindowRef, unsigned everyMs) { tickEditorWindow(everyMs); }

std::optional<std::string> Win32Platform::promptText(WindowRef owner, std::string_view caption,
                                                     std::string_view initial)
{
    return runNamePrompt(instance_, asWindow(owner), caption, initial);
}

bool Win32Platform::runWithProgress(WindowRef owner, std::string_view caption,
                                    const std::function<bool(const ProgressTick&)>& work)
{
    return runWithProgressWindow(instance_, asWindow(owner), caption, work);
}

void Win32Platform::checkMenuItem(WindowRef owner, int commandId, bool checked)
{
    CheckMenuItem(GetMenu(asWindow(owner)), static_cast<UINT>(commandId),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Platform::deletePen(PenRef pen) { DeleteObject(static_cast<HPEN>(pen)); }

void Win32Platform::destroyWindow(WindowRef window) { DestroyWindow(asWindow(window)); }

std::string Win32Platform::fromLegacyCodePage(std::string_view bytes) { return utf8OfLegacy(bytes); }
std::optional<std::string> Win32Platform::openSound(const SoundFormat& format) { return sound_.open(format); }

void Win32Platform::playSound(std::unique_ptr<SoundSource> source) { sound_.play(std::move(source)); }

SoundProgress Win32Platform::soundProgress() { return sound_.progress(); }

void Win32Platform::stopSound() { sound_.stop(); }
