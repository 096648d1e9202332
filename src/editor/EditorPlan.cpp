#include "editor/EditorPlan.h"

#include <algorithm>

#include "split/CutPlanning.h"
#include "split/MarksSpans.h"

std::uint64_t framesOf(const MotherSource& mother)
{
    const std::uint64_t frame = mother.format ? mother.format->blockAlign : 0;
    return frame == 0 ? 0 : mother.sampleBytes / frame;
}

std::vector<FrameCut> frameCutsOf(const EditorCuts& cuts)
{
    std::vector<FrameCut> frames;
    frames.reserve(cuts.size() + 1);
    if (!cuts.pieceName(0).empty()) {
        frames.push_back({0, cuts.pieceName(0)});
    }
    for (const EditorCut& cut : cuts.cuts()) {
        frames.push_back({cut.frame, cut.name});
    }
    return frames;
}

EditorCuts editorCutsOfSpans(const ChildSpans& spans, std::uint64_t totalFrames)
{
    EditorCuts cuts(totalFrames);
    for (const ChildSpan& span : spans) {
        if (span.firstFrame == 0) {
            cuts.setPieceName(0, span.title);
        } else {
            // A second span at one frame, or one past the end, gives no cut of its own.
            static_cast<void>(cuts.insert({span.firstFrame, span.title}));
        }
    }
    return cuts;
}

EditorCuts editorCutsOf(const SplitPlan& plan, const MotherSource& mother)
{
    ChildSpans spans;
    const std::uint64_t frame = mother.format ? mother.format->blockAlign : 0;
    for (const PlannedChild& child : plan.children) {
        if (frame != 0 && child.firstByte >= mother.dataAt) {
            spans.push_back({(child.firstByte - mother.dataAt) / frame, 0, child.title});
        }
    }
    return editorCutsOfSpans(spans, framesOf(mother));
}

std::vector<std::string> childNamesOf(const EditorCuts& cuts, const MotherSource& mother, const SpanChoice& choice,
                                      std::int32_t digits)
{
    CutRequest request;
    request.rule = CutRule::Frames;
    request.frameCuts = frameCutsOf(cuts);
    request.stem = choice.childStem;
    request.firstNumber = choice.firstNumber;
    request.digits = digits;
    PlannedCut unused;
    const ChildSpans spans = spansAtMarks(request, mother, unused).value_or(ChildSpans{});
    SplitPlan plan = planSpans(mother, spans, choice);
    std::int32_t last = 0;
    for (const PlannedChild& child : plan.children) {
        last = std::max(last, child.number);
    }
    plan.digits = paddedWidth(digits, last);
    std::vector<std::string> names(cuts.pieces());
    const std::uint64_t frame = mother.format ? mother.format->blockAlign : 1;
    for (const PlannedChild& child : plan.children) {
        const std::size_t piece = cuts.pieceAt((child.firstByte - mother.dataAt) / frame);
        const std::string name = childName(plan, child);
        const std::size_t slash = name.find_last_of("\\/");
        names[piece] = slash == std::string::npos ? name : name.substr(slash + 1);
    }
    return names;
}
