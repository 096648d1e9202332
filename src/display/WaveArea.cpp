#include "display/WaveArea.h"

#include <algorithm>

WaveArea waveArea(const ClientRect& client, int dotsPerInch)
{
    WaveArea area;
    if (dotsPerInch > BASE_DOTS_PER_INCH) {
        area.verticalDivisor = std::max(1, VERTICAL_DIVISOR * BASE_DOTS_PER_INCH / dotsPerInch);
    }
    area.width = client.right;
    area.height = client.bottom;
    area.upperBaseline = client.bottom / 4;
    area.lowerBaseline = 3 * client.bottom / 4;  // the product first, so the halves add up to H
    return area;
}

void drawBaselines(DrawingSurface& surface, const WavePens& pens, const ClientRect& client, const WaveArea& area)
{
    surface.selectPen(pens.yellow);
    surface.moveTo(client.left, area.upperBaseline);
    surface.lineTo(area.width, area.upperBaseline);
    surface.selectPen(pens.blue);
    surface.moveTo(client.left, area.lowerBaseline);
    surface.lineTo(area.width, area.lowerBaseline);
}
