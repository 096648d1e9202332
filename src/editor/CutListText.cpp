#include "editor/CutListText.h"

#include <cstdio>

namespace {

constexpr std::uint64_t MICROSECONDS = 1000000;

}  // namespace

std::string secondsText(std::uint64_t frame, std::uint32_t sampleRate)
{
    if (sampleRate == 0) {
        return "0.000000";
    }
    std::uint64_t whole = frame / sampleRate;
    // The rest is below the rate, so twice it in microseconds stays far inside 64 bits.
    std::uint64_t micro = ((frame % sampleRate) * 2 * MICROSECONDS + sampleRate) / (2 * std::uint64_t{sampleRate});
    if (micro == MICROSECONDS) {
        ++whole;
        micro = 0;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%llu.%06llu", static_cast<unsigned long long>(whole),
                  static_cast<unsigned long long>(micro));
    return text;
}

std::string cutListText(const EditorCuts& cuts, std::uint32_t sampleRate)
{
    std::string text;
    for (std::size_t piece = 0; piece < cuts.pieces(); ++piece) {
        if (cuts.pieceStart(piece) >= cuts.pieceEnd(piece)) {
            continue;  // a Mother without frames has no Child
        }
        text += secondsText(cuts.pieceStart(piece), sampleRate) + "\t" + secondsText(cuts.pieceEnd(piece), sampleRate) +
                "\t" + cuts.pieceName(piece) + "\r\n";
    }
    return text;
}
