#include "display/MarkLines.h"

void drawMarks(DrawingSurface& surface, PenRef pen, const ClientRect& client, std::uint64_t frames,
               const std::vector<WaveMark>& marks, MarkStyle style)
{
    if (frames == 0 || client.right <= 0) {
        return;
    }
    const std::uint64_t width = static_cast<std::uint64_t>(client.right);
    const std::uint64_t framesPerPixel = frames > width ? frames / width : 1;
    surface.selectPen(pen);
    for (const WaveMark& mark : marks) {
        if (mark.frame >= frames) {
            continue;
        }
        const int x = static_cast<int>(mark.frame / framesPerPixel);
        surface.moveTo(x, 0);
        if (style == MarkStyle::FullHeight) {
            surface.lineTo(x, client.bottom);
            continue;
        }
        surface.lineTo(x, MARK_TICK_LENGTH);
        if (!mark.title.empty()) {
            surface.textOut(x + MARK_TITLE_GAP, 0, mark.title);
        }
    }
}
