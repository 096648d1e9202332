// Opaque handles of the window system, so that portable code can hold and pass them on.
#pragma once

using WindowRef = void*;  // a window or dialog
using PenRef = void*;     // a drawing pen
