#include "editor/EditorPicture.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "ui/Texts.h"

namespace {

constexpr std::uint64_t MS_PER_SECOND = 1000;
constexpr int RULER_GAP_PIXELS = 100;
constexpr int NAME_MARGIN = 3;
constexpr int POINT_HALF = 1;

// Where a lane's value stands: full scale fills half the lane.
int laneY(int baseline, int halfHeight, int value) { return baseline - value * halfHeight / 32768; }

void verticalLine(DrawingSurface& surface, int x, int top, int bottom)
{
    surface.moveTo(x, top);
    surface.lineTo(x, bottom);
}

void drawLane(DrawingSurface& surface, const WavePicture& picture, int lane, int baseline, int halfHeight, int width)
{
    surface.moveTo(0, baseline);
    surface.lineTo(width, baseline);
    if (picture.points) {
        bool first = true;
        for (const SamplePoint& point : picture.samples[lane]) {
            const int x = static_cast<int>(std::clamp<std::int64_t>(point.x, -1, width + 1));
            const int y = laneY(baseline, halfHeight, point.value);
            if (first) {
                surface.moveTo(x, y);
                first = false;
            } else {
                surface.lineTo(x, y);
            }
            // Each sample a point of its own.
            surface.moveTo(x - POINT_HALF, y - POINT_HALF);
            surface.lineTo(x + POINT_HALF + 1, y - POINT_HALF);
            surface.moveTo(x, y);
        }
        return;
    }
    const std::vector<LaneColumn>& columns = picture.columns[lane];
    for (std::size_t x = 0; x < columns.size(); ++x) {
        if (columns[x].any) {
            const int column = static_cast<int>(x);
            verticalLine(surface, column, laneY(baseline, halfHeight, columns[x].range.high),
                         laneY(baseline, halfHeight, columns[x].range.low) + 1);
        }
    }
}

void drawRuler(DrawingSurface& surface, const WaveView& view, std::uint32_t rate, PenRef pen)
{
    const std::uint64_t stepMs = rulerStepMilliseconds(view, rate);
    if (stepMs == 0) {
        return;
    }
    surface.selectPen(pen);
    surface.moveTo(0, RULER_BOTTOM);
    surface.lineTo(static_cast<int>(view.width), RULER_BOTTOM);
    const std::uint64_t firstMs = view.first * MS_PER_SECOND / rate;
    for (std::uint64_t ms = (firstMs + stepMs - 1) / stepMs * stepMs;; ms += stepMs) {
        const std::uint64_t frame = (ms * rate + MS_PER_SECOND - 1) / MS_PER_SECOND;  // the mark's first frame
        const std::int64_t x = columnOf(view, frame);
        if (frame >= view.first + view.span || x >= static_cast<std::int64_t>(view.width)) {
            break;
        }
        verticalLine(surface, static_cast<int>(x), RULER_TOP + 8, RULER_BOTTOM);
        surface.textOut(static_cast<int>(x) + 2, RULER_TOP, clockText(frame, rate));
    }
}

}  // namespace

std::string clockText(std::uint64_t frame, std::uint32_t sampleRate)
{
    const std::uint64_t ms = sampleRate == 0 ? 0 : mulDiv(frame, MS_PER_SECOND, sampleRate);
    char text[40];
    std::snprintf(text, sizeof text, "%llu:%02llu:%02llu.%03llu", static_cast<unsigned long long>(ms / 3600000),
                  static_cast<unsigned long long>(ms / 60000 % 60), static_cast<unsigned long long>(ms / 1000 % 60),
                  static_cast<unsigned long long>(ms % 1000));
    return text;
}

std::string editorTextLine(const CutEditor& editor, std::uint32_t sampleRate, std::size_t children)
{
    std::string line = std::string(text::EDITOR_CURSOR) + clockText(editor.cursor(), sampleRate) + "  " +
                       std::to_string(editor.cursor());
    if (editor.selected()) {
        const std::uint64_t frame = editor.cuts().cuts()[*editor.selected()].frame;
        line += std::string(text::EDITOR_SELECTED) + clockText(frame, sampleRate) + "  " + std::to_string(frame);
    }
    return line + text::EDITOR_CHILDREN + std::to_string(children);
}

std::uint64_t rulerStepMilliseconds(const WaveView& view, std::uint32_t sampleRate)
{
    if (view.width == 0 || view.span == 0 || sampleRate == 0) {
        return 0;
    }
    static constexpr std::array<std::uint64_t, 21> STEPS = {1,     2,     5,      10,     20,     50,      100,
                                                            200,   500,   1000,   2000,   5000,   10000,   15000,
                                                            30000, 60000, 120000, 300000, 600000, 1800000, 3600000};
    for (std::uint64_t step : STEPS) {
        // The pixels between two marks: step's frames times width over span.
        if (mulDiv(mulDiv(step, sampleRate, MS_PER_SECOND), view.width, view.span) >= RULER_GAP_PIXELS) {
            return step;
        }
    }
    const std::uint64_t hours = view.span * MS_PER_SECOND / sampleRate / 3600000 + 1;
    return hours * 3600000;
}

void drawEditor(DrawingSurface& surface, const ClientRect& area, const EditorScene& scene, WavePicture& picture)
{
    const CutEditor& editor = scene.editor;
    const WaveView& view = editor.view();
    const int width = area.right;
    const int bottom = area.bottom;
    surface.textOut(2, TEXT_LINE_Y,
                    editorTextLine(editor, scene.sampleRate,
                                   static_cast<std::size_t>(std::count_if(
                                       scene.names.begin(), scene.names.end(),
                                       [](const std::string& n) { return !n.empty(); }))));
    drawRuler(surface, view, scene.sampleRate, scene.pens.grey);

    // The lanes as the waveform drawings have them: the second channel above, the first below.
    const int waveHeight = std::max(bottom - WAVE_TOP, 4);
    const int upper = WAVE_TOP + waveHeight / 4;
    const int lower = WAVE_TOP + 3 * waveHeight / 4;
    const int half = waveHeight / 4;
    drawWave(view, scene.summary, scene.read, picture);
    surface.selectPen(scene.upperPen);
    drawLane(surface, picture, 1, upper, half, width);
    surface.selectPen(scene.lowerPen);
    drawLane(surface, picture, 0, lower, half, width);

    // The cuts on screen, one line a column however many fall in it, and the names between them.
    const EditorCuts& cuts = editor.cuts();
    const std::uint64_t end = view.first + view.span;
    std::size_t index = cuts.firstFrom(view.first);
    std::size_t piece = cuts.pieceAt(view.first);
    std::int64_t lastX = -1;
    surface.selectPen(scene.cutPen);
    for (;; ++piece) {
        const std::int64_t from = std::max<std::int64_t>(columnOf(view, cuts.pieceStart(piece)), 0);
        const std::int64_t to = std::min<std::int64_t>(columnOf(view, cuts.pieceEnd(piece)), width);
        if (piece < scene.names.size() && !scene.names[piece].empty() &&
            surface.textWidth(scene.names[piece]) + 2 * NAME_MARGIN <= to - from) {
            surface.textOut(static_cast<int>(from) + NAME_MARGIN, NAME_LINE_Y, scene.names[piece]);
        }
        if (index >= cuts.size() || cuts.cuts()[index].frame >= end) {
            break;
        }
        const std::int64_t x = columnOf(view, cuts.cuts()[index].frame);
        if (x != lastX) {
            verticalLine(surface, static_cast<int>(x), WAVE_TOP, bottom);
            lastX = x;
        }
        ++index;
    }
    if (editor.selected()) {
        const std::int64_t x = columnOf(view, cuts.cuts()[*editor.selected()].frame);
        if (x >= 0 && x < width) {
            surface.selectPen(scene.pens.red);
            verticalLine(surface, static_cast<int>(x), RULER_BOTTOM, WAVE_TOP + 12);
        }
    }
    if (scene.playFrame) {
        surface.selectPen(scene.pens.grey);
        verticalLine(surface, static_cast<int>(columnOf(view, *scene.playFrame)), WAVE_TOP, bottom);
    }
    surface.selectPen(scene.pens.black);
    verticalLine(surface, static_cast<int>(columnOf(view, editor.cursor())), RULER_BOTTOM, bottom);
}
