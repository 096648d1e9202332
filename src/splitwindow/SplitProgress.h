// What a split draws on its dialog: the Child track, the total track, the Child's name and the
// percentage text. Tracks are redrawn only when a whole percentage changes, and the Child track once
// for all the blocks of one transfer, so a Child costs a few lines however many blocks it has.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/AppState.h"
#include "ui/Platform.h"

inline constexpr int BAR_LEFT = 40;
inline constexpr int BAR_LENGTH = 800;
inline constexpr int CHILD_TRACK_Y = 40;
inline constexpr int TOTAL_TRACK_Y = 20;
inline constexpr int CHILD_NAME_X = 40;
inline constexpr int CHILD_NAME_Y = 80;
inline constexpr int PERCENT_TEXT_X = 370;
inline constexpr int PERCENT_TEXT_Y = 60;
inline constexpr int POSITIONS_PER_PERCENT = BAR_LENGTH / 100;

struct SplitPens {
    PenRef grey = nullptr;   // empty track
    PenRef red = nullptr;    // the Child not yet written
    PenRef green = nullptr;  // done
};

// The surface and pens of one split, and the progress memory that serves both tracks and the
// percentage text: the bar position and the whole percentage last handled, and the percentage
// line that stands on the dialog.
struct SplitProgress {
    DrawingSurface& surface;
    SplitPens pens;
    int lastBarPos = 0;
    int lastBarPercent = 0;
    std::string percentShown;
};

// The bar position of done out of total: the quotient in single precision, times 800, truncated.
int barPosition(std::uint64_t done, std::uint64_t total);

// The percentage line of a "... % 3.u %% @" format, and the part of it that is drawn: everything
// before the blank that precedes the "@".
std::string formatPercentText(const char* format, unsigned percent);
std::string_view drawnPercentText(std::string_view progressText);

// The line followed by as many blanks as make it at least as wide as the one that stands there,
// so that drawing it leaves nothing of the earlier one.
std::string paddedOver(DrawingSurface& surface, std::string_view line, std::string_view standing);

// Both empty tracks, the Child track first, as the dialog paints them.
void drawEmptyTracks(DrawingSurface& surface, PenRef greyPen);

void resetChildTrack(SplitProgress& progress);
void drawChildName(SplitProgress& progress, std::string_view name);
// The Child step after each whole copy block: the track is drawn when the whole percentage changes.
// These are the steps of every block that ends at blockEnd, blockEnd + blockBytes, ... up to
// writtenBytes, which one transfer brought at once; blockEnd moves past them. The progress memory
// is left as the steps one by one leave it, but of the lines they would draw in that instant only
// the last is drawn: it covers the others, each from the track's start to a position short of its.
void childStepsThrough(SplitProgress& progress, std::uint64_t& blockEnd, std::uint32_t blockBytes,
                       std::uint64_t writtenBytes, std::uint32_t pieceBytes);
void childClosingStep(SplitProgress& progress, std::uint32_t writtenBytes, std::uint32_t pieceBytes);
void totalStep(SplitProgress& progress, std::uint64_t doneBytes, std::uint32_t motherDataBytes,
               const char* afterEachChild);
void finalStep(SplitProgress& progress, const char* finalText);
