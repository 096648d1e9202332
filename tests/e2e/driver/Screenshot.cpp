#include "Screenshot.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace {

void putLe16(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value)
{
    out[at] = static_cast<unsigned char>(value);
    out[at + 1] = static_cast<unsigned char>(value >> 8);
}

void putLe32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value)
{
    putLe16(out, at, value & 0xFFFFu);
    putLe16(out, at + 2, value >> 16);
}

// BITMAPFILEHEADER (14 bytes) then BITMAPINFOHEADER (40 bytes), bottom-up rows.
std::vector<unsigned char> bmpHeader(std::uint32_t width, std::uint32_t height, std::uint32_t pixelBytes)
{
    std::vector<unsigned char> h(54, 0);
    h[0] = 'B';
    h[1] = 'M';
    putLe32(h, 2, 54 + pixelBytes);  // file size: both headers + pixels
    putLe32(h, 10, 54);              // offset of the pixels
    putLe32(h, 14, 40);              // info header size
    putLe32(h, 18, width);
    putLe32(h, 22, height);
    putLe16(h, 26, 1);           // planes
    putLe16(h, 28, 24);          // bits per pixel
    putLe32(h, 34, pixelBytes);  // image size, no compression
    return h;
}

}  // namespace

std::string saveScreenRect(const RECT& area, const std::string& bmpPath)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return "empty rectangle";
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    std::vector<unsigned char> pixels(rowBytes * static_cast<std::size_t>(height));
    const int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != height) {
        return "GetDIBits copied " + std::to_string(rows) + " of " + std::to_string(height) + " rows";
    }
    const std::vector<unsigned char> header =
        bmpHeader(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                  static_cast<std::uint32_t>(pixels.size()));
    std::ofstream out(bmpPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    return out ? std::string() : "cannot write " + bmpPath;
}
