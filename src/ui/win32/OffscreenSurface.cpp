#include "ui/win32/OffscreenSurface.h"

ClientAreaCopy::ClientAreaCopy(HWND window) : window_(window), windowDc_(GetDC(window))
{
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    memoryDc_ = CreateCompatibleDC(windowDc_);
    bitmap_ = CreateCompatibleBitmap(windowDc_, width_, height_);
    originalBitmap_ = SelectObject(memoryDc_, bitmap_);
    BitBlt(memoryDc_, 0, 0, width_, height_, windowDc_, 0, 0, SRCCOPY);
}

ClientAreaCopy::~ClientAreaCopy()
{
    BitBlt(windowDc_, 0, 0, width_, height_, memoryDc_, 0, 0, SRCCOPY);
    SelectObject(memoryDc_, originalBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(memoryDc_);
    ReleaseDC(window_, windowDc_);
}
