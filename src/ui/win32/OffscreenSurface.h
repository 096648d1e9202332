// Drawing into a memory copy of a window's client area that goes to the window in one step when
// the drawing ends. Lines cost far less in a bitmap than in a window's own context on some
// systems, and the picture is the same pixel for pixel.
#pragma once

#include <windows.h>

#include "ui/win32/DcSurface.h"

// The window's context, and the bitmap that starts as a copy of what the client area shows, so
// that the drawing lands on top of it as it would on the window itself. Constructed before the
// surface that draws into it and given back after.
class ClientAreaCopy {
public:
    explicit ClientAreaCopy(HWND window);
    ~ClientAreaCopy();
    ClientAreaCopy(const ClientAreaCopy&) = delete;
    ClientAreaCopy& operator=(const ClientAreaCopy&) = delete;

protected:
    HDC memoryDc() const { return memoryDc_; }

private:
    HWND window_;
    HDC windowDc_;
    HDC memoryDc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

class OffscreenSurface : private ClientAreaCopy, public DcSurface {
public:
    explicit OffscreenSurface(HWND window) : ClientAreaCopy(window), DcSurface(memoryDc()) {}
    // The program's pen leaves the memory context before the copy goes to the window and the
    // context is deleted.
    ~OffscreenSurface() override { restorePen(); }
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;
};
