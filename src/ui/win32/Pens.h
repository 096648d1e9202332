#pragma once

#include <windows.h>

#include "core/PenStyles.h"

// A solid pen of the style's colour and width.
inline HPEN createPen(const PenStyle& style)
{
    return CreatePen(PS_SOLID, style.width, RGB(style.red, style.green, style.blue));
}
