#include "ui/win32/DcSurface.h"

#include "ui/win32/WideText.h"

void DcSurface::selectPen(PenRef pen)
{
    HGDIOBJ previous = SelectObject(dc_, static_cast<HPEN>(pen));
    if (originalPen_ == nullptr) {
        originalPen_ = previous;
    }
}

void DcSurface::moveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void DcSurface::lineTo(int x, int y) { LineTo(dc_, x, y); }

// GDI's ANSI text calls read the system's own code page whatever the manifest says, so a marker's
// or a Child's name in another script would come out as other letters: the texts, UTF-8 as every
// text of the program, are drawn and measured by the wide calls. ASCII looks the same either way.
void DcSurface::textOut(int x, int y, std::string_view text)
{
    const std::wstring wide = wideOf(text);
    TextOutW(dc_, x, y, wide.data(), static_cast<int>(wide.size()));
}

int DcSurface::textWidth(std::string_view text)
{
    const std::wstring wide = wideOf(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.data(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

void DcSurface::restorePen()
{
    if (originalPen_ != nullptr) {
        SelectObject(dc_, originalPen_);
        originalPen_ = nullptr;
    }
}
