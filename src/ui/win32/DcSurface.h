// Drawing through a device context the surface does not own: a painting's context from
// BeginPaint, or a window's own context that a derived surface takes and gives back.
#pragma once

#include <windows.h>

#include "ui/Platform.h"

class DcSurface : public DrawingSurface {
public:
    explicit DcSurface(HDC dc) : dc_(dc) {}
    ~DcSurface() override { restorePen(); }
    DcSurface(const DcSurface&) = delete;
    DcSurface& operator=(const DcSurface&) = delete;

    void selectPen(PenRef pen) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, std::string_view text) override;
    int textWidth(std::string_view text) override;

protected:
    HDC dc() const { return dc_; }
    // Puts the context's own pen back, so that no pen of the program stays selected in a context
    // that is given back (a selected pen cannot be deleted). A derived surface that gives the
    // context back calls it first.
    void restorePen();

private:
    HDC dc_;
    HGDIOBJ originalPen_ = nullptr;
};
