// The editor's picture, drawn whole on every repaint: its line of text (the cursor's time and
// frame, the selected cut's, the number of Children), a ruler of times, the Mother's first two
// channels as the waveform drawings place them (the first in the lower lane, the second in the
// upper), the cuts as lines with each piece's Child name between them, the selected cut marked,
// the cursor, and a play line where one is given.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/CutEditor.h"
#include "editor/WaveSummary.h"
#include "ui/Platform.h"

inline constexpr int TEXT_LINE_Y = 2;
inline constexpr int RULER_TOP = 20;
inline constexpr int RULER_BOTTOM = 36;
inline constexpr int WAVE_TOP = 40;
inline constexpr int NAME_LINE_Y = WAVE_TOP + 2;

struct EditorScene {
    const CutEditor& editor;
    const WaveSummary& summary;
    const FrameReader& read;
    const std::vector<std::string>& names;  // each piece's Child name; empty for none
    std::uint32_t sampleRate = 0;
    PenRef lowerPen = nullptr;  // the first channel's
    PenRef upperPen = nullptr;  // the second channel's
    PenRef cutPen = nullptr;
    PanelPens pens;
    std::optional<std::uint64_t> playFrame;  // drawn as a line, for listening
};

// "h:mm:ss.mmm" of the frame at the rate, the milliseconds cut short.
std::string clockText(std::uint64_t frame, std::uint32_t sampleRate);

// The line of text at the top: the cursor's time and frame, the selected cut's, the Children.
std::string editorTextLine(const CutEditor& editor, std::uint32_t sampleRate, std::size_t children);

// The ruler's step: the shortest of 1, 2, 5 times a power of ten milliseconds (or whole
// minutes and hours) whose marks stand at least 100 pixels apart.
std::uint64_t rulerStepMilliseconds(const WaveView& view, std::uint32_t sampleRate);

void drawEditor(DrawingSurface& surface, const ClientRect& area, const EditorScene& scene, WavePicture& picture);
