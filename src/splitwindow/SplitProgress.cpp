#include "splitwindow/SplitProgress.h"

#include <array>
#include <cstdio>
#include <optional>

#include "ui/StringOps.h"

namespace {

void drawTrack(DrawingSurface& surface, PenRef pen, int y, int length)
{
    surface.selectPen(pen);
    surface.moveTo(BAR_LEFT, y);
    surface.lineTo(BAR_LEFT + length, y);
}

// Nothing is cleared before a text is drawn: its blanks wipe out what a longer line left.
void drawPercentText(SplitProgress& progress, const std::string& progressText)
{
    progress.percentShown = paddedOver(progress.surface, drawnPercentText(progressText), progress.percentShown);
    progress.surface.textOut(PERCENT_TEXT_X, PERCENT_TEXT_Y, progress.percentShown);
}

// What a Child step does to the progress memory, and the position it draws the track to when the
// whole percentage changes.
std::optional<int> childStepMemory(SplitProgress& progress, int position)
{
    if (position == progress.lastBarPos) {
        return std::nullopt;
    }
    std::optional<int> line;
    if (position / POSITIONS_PER_PERCENT != progress.lastBarPercent) {
        line = position;
        progress.lastBarPercent = position / POSITIONS_PER_PERCENT;
    }
    progress.lastBarPos = position;
    return line;
}

}  // namespace

int barPosition(std::uint64_t done, std::uint64_t total)
{
    const auto quotient = static_cast<float>(static_cast<double>(done) / static_cast<double>(total));
    return static_cast<int>(quotient * static_cast<float>(BAR_LENGTH));
}

std::string formatPercentText(const char* format, unsigned percent)
{
    std::array<char, 64> line{};
    std::snprintf(line.data(), line.size(), format, percent);
    return std::string(line.data());
}

std::string_view drawnPercentText(std::string_view progressText)
{
    const int marker = findChar(progressText, '@');
    if (marker < 1) {
        return {};
    }
    return progressText.substr(0, static_cast<std::size_t>(marker - 1));
}

std::string paddedOver(DrawingSurface& surface, std::string_view line, std::string_view standing)
{
    std::string padded(line);
    const int wanted = surface.textWidth(standing);
    for (int width = surface.textWidth(padded); width < wanted;) {
        padded += ' ';
        const int wider = surface.textWidth(padded);
        if (wider <= width) {
            break;  // a font without width for a blank: no number of them would do
        }
        width = wider;
    }
    return padded;
}

void drawEmptyTracks(DrawingSurface& surface, PenRef greyPen)
{
    drawTrack(surface, greyPen, CHILD_TRACK_Y, BAR_LENGTH);
    drawTrack(surface, greyPen, TOTAL_TRACK_Y, BAR_LENGTH);
}

void resetChildTrack(SplitProgress& progress)
{
    drawTrack(progress.surface, progress.pens.red, CHILD_TRACK_Y, BAR_LENGTH);
}

void drawChildName(SplitProgress& progress, std::string_view name)
{
    progress.surface.textOut(CHILD_NAME_X, CHILD_NAME_Y, name);
}

void childStepsThrough(SplitProgress& progress, std::uint64_t& blockEnd, std::uint32_t blockBytes,
                       std::uint64_t writtenBytes, std::uint32_t pieceBytes)
{
    std::optional<int> line;
    for (; blockEnd <= writtenBytes; blockEnd += blockBytes) {
        if (const std::optional<int> drawn = childStepMemory(progress, barPosition(blockEnd, pieceBytes))) {
            line = drawn;
        }
    }
    if (line) {
        drawTrack(progress.surface, progress.pens.green, CHILD_TRACK_Y, *line);
    }
}

void childClosingStep(SplitProgress& progress, std::uint32_t writtenBytes, std::uint32_t pieceBytes)
{
    const int position = barPosition(writtenBytes, pieceBytes);
    if (position != progress.lastBarPos) {
        drawTrack(progress.surface, progress.pens.green, CHILD_TRACK_Y, position);
        progress.lastBarPos = position;
    }
}

void totalStep(SplitProgress& progress, std::uint64_t doneBytes, std::uint32_t motherDataBytes,
               const char* afterEachChild)
{
    const int position = barPosition(doneBytes, motherDataBytes);
    if (position == progress.lastBarPos) {
        return;
    }
    const int percent = position / POSITIONS_PER_PERCENT;
    if (percent != progress.lastBarPercent) {
        const std::string progressText = formatPercentText(afterEachChild, static_cast<unsigned>(percent));
        drawTrack(progress.surface, progress.pens.green, TOTAL_TRACK_Y, position);
        progress.lastBarPercent = percent;
        drawPercentText(progress, progressText);
    }
    progress.lastBarPos = position;
}

void finalStep(SplitProgress& progress, const char* finalText)
{
    if (progress.lastBarPos == BAR_LENGTH) {
        return;
    }
    const std::string progressText = formatPercentText(finalText, 100);
    drawTrack(progress.surface, progress.pens.green, TOTAL_TRACK_Y, BAR_LENGTH);
    drawPercentText(progress, progressText);
    progress.lastBarPos = BAR_LENGTH;
}
