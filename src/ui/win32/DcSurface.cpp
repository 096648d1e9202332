#include "ui/win32/DcSurface.h"

void DcSurface::selectPen(PenRef pen)
{
    HGDIOBJ previous = SelectObject(dc_, static_cast<HPEN>(pen));
    if (originalPen_ == nullptr) {
        originalPen_ = previous;
    }
}

void DcSurface::moveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void DcSurface::lineTo(int x, int y) { LineTo(dc_, x, y); }

void DcSurface::textOut(int x, int y, std::string_view text)
{
    TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

int DcSurface::textWidth(std::string_view text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void DcSurface::restorePen()
{
    if (originalPen_ != nullptr) {
        SelectObject(dc_, originalPen_);
        originalPen_ = nullptr;
    }
}
