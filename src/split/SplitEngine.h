// The split itself: every Child written as a complete WAV file, a 44-byte header followed by its
// share of the Mother's sample bytes, copied unchanged.
#pragma once

#include <cstdint>

#include "core/AppState.h"
#include "split/SplitFiles.h"
#include "ui/Platform.h"

// The three texts in which the two split dialogs differ.
struct SplitTexts {
    const char* afterEachChild = nullptr;  // percentage format drawn after each full Child
    const char* finalText = nullptr;       // percentage format drawn with the last, short Child
    const char* timeCaption = nullptr;     // caption of the elapsed-time box
};

// The last, short Child stops this many bytes short of the cuttable length, except in how-many
// mode, where that Child is not kept at all.
inline constexpr std::uint32_t LAST_PIECE_TRIM = 64;

// The copy block (the Buffer Size command's number) is what the progress counts. A block larger
// than this is taken as this size, so a split never holds more memory than that.
inline constexpr std::uint32_t COPY_BLOCK_MAX = 8 * 1024 * 1024;

// The bytes move from the Mother to a Child in transfers of up to this size, or of one block
// when blocks are larger: few large requests to the disk, one buffer for the whole split.
inline constexpr std::uint32_t TRANSFER_BYTES = 1024 * 1024;

using MillisecondClock = std::int64_t (*)();
std::int64_t processMilliseconds();

// What a split works with besides the record: the dialog that owns its boxes and is drawn on,
// the pen it made for itself, the file layer and the clock.
struct SplitTools {
    Platform& ui;
    WindowRef dialog = nullptr;
    DrawingSurface& surface;
    PenRef thickGreenPen = nullptr;
    SplitFiles& files;
    MillisecondClock clock = processMilliseconds;
};

// START: writes the Children, closes the Mother stream and shows the elapsed time. A split that
// cannot be done, or that fails on the way, writes nothing more, leaves only complete Children on
// disk and says why in a box instead.
void runSplit(AppState& state, SplitTools& tools, const SplitTexts& texts);
