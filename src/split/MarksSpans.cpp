#include "split/MarksSpans.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>

#include "core/FileIo.h"
#include "marks/ChildTitle.h"
#include "marks/CutPoints.h"
#include "marks/CueSheet.h"
#include "marks/LabelList.h"
#include "marks/MarkerCuts.h"
#include "marks/SilenceCuts.h"
#include "split/CutTexts.h"
#include "split/SpanRules.h"

namespace {

#ifdef _WIN32
constexpr NameLimits NAME_LIMITS = WINDOWS_NAME_LIMITS;
#else
constexpr NameLimits NAME_LIMITS = POSIX_NAME_LIMITS;
#endif

// Reads through an open file, from any offset.
ByteReader readerOf(std::FILE* stream)
{
    return [stream](std::uint64_t offset, std::uint8_t* into, std::size_t bytes) {
        return seekFile(stream, offset) ? std::fread(into, 1, bytes, stream) : std::size_t{0};
    };
}

std::optional<std::string> readText(const std::string& path, PlannedCut& cut)
{
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        const int cause = errno;  // before anything else can set it
        cut.refusal = cutMessage(cuttext::MARKS_FILE_UNREADABLE, path, causeLine(cause));
        return std::nullopt;
    }
    return text;
}

std::optional<ChildSpans> fromFile(const CutRequest& request, std::uint32_t rate, std::uint64_t frames, PlannedCut& cut)
{
    const std::optional<std::string> text = readText(request.marksPath, cut);
    if (!text) {
        return std::nullopt;
    }
    const MarksRead read = request.rule == CutRule::Labels ? spansFromLabels(*text, request.marksPath, rate, frames)
                                                           : spansFromCueSheet(*text, request.marksPath, rate, frames);
    if (read.refusal) {
        const MarksRefusal& refusal = *read.refusal;
        cut.refusal = CutMessage{cuttext::MARKS_FILE_REFUSED, refusal.file, refusal.line, refusal.problem, {}};
        return std::nullopt;
    }
    return read.spans;
}

std::optional<ChildSpans> atSilence(const CutRequest& request, const MotherSource& mother, std::uint64_t frames,
                                    PlannedCut& cut)
{
    const std::optional<SampleLayout> layout = sampleLayoutOf(*mother.format);
    std::FILE* stream = openFileForReading(mother.path);
    if (!layout || stream == nullptr) {
        if (stream != nullptr) {
            std::fclose(stream);
        }
        cut.refusal = cutMessage(cuttext::MOTHER_NOT_READ_WHOLE, mother.path);
        return std::nullopt;
    }
    const std::uint32_t rate = mother.format->sampleRate;
    const SilenceRule rule{request.silenceDb, framesOf(request.silenceMin, rate).value_or(frames),
                           framesOf(request.minPiece, rate).value_or(frames)};
    const SilenceCuts found = spansAtSilence({readerOf(stream), mother.dataAt, frames, *layout}, rule);
    std::fclose(stream);
    if (!found.readWhole) {
        cut.refusal = cutMessage(cuttext::MOTHER_NOT_READ_WHOLE, mother.path);
        return std::nullopt;
    }
    cut.noSilence = found.silences == 0;
    return found.spans;
}

std::optional<ChildSpans> spansOfRule(const CutRequest& request, const MotherSource& mother, PlannedCut& cut)
{
    const std::uint64_t frames = mother.sampleBytes / mother.format->blockAlign;
    switch (request.rule) {
    case CutRule::Markers: return spansAtMarkers(readMotherMetadata(mother.path).markers, frames);
    case CutRule::Labels:
    case CutRule::Cue: return fromFile(request, mother.format->sampleRate, frames, cut);
    case CutRule::Silence: return atSilence(request, mother, frames, cut);
    case CutRule::Frames: return spansAtFrames(request.frameCuts, frames);
    default: return std::nullopt;
    }
}

}  // namespace

ChildSpans spansAtFrames(const std::vector<FrameCut>& cuts, std::uint64_t totalFrames)
{
    std::vector<CutPoint> points;
    points.reserve(cuts.size());
    for (const FrameCut& cut : cuts) {
        points.push_back({cut.frame, cut.name});
    }
    return spansBetweenCuts(std::move(points), totalFrames);
}

std::optional<ChildSpans> spansOfMarksFile(const CutRequest& request, std::uint32_t rate, std::uint64_t frames,
                                           PlannedCut& cut)
{
    return fromFile(request, rate, frames, cut);
}

WavMetadata readMotherMetadata(const std::string& path)
{
    std::FILE* stream = openFileForReading(path);
    if (stream == nullptr) {
        return {};
    }
    const std::optional<std::uint64_t> length = streamLength(stream);
    const WavMetadata found = length ? readWavMetadata(*length, readerOf(stream)) : WavMetadata{};
    std::fclose(stream);
    return found;
}

std::optional<ChildSpans> spansAtMarks(const CutRequest& request, const MotherSource& mother, PlannedCut& cut)
{
    std::optional<ChildSpans> spans = spansOfRule(request, mother, cut);
    if (spans) {
        // The zeros a padded number is written with count against the name's length as well.
        std::int32_t number = request.firstNumber;
        const std::size_t digits = paddedWidth(request.digits, number + static_cast<std::int32_t>(spans->size()) - 1);
        for (ChildSpan& span : *spans) {
            const std::size_t shown = std::to_string(number).size();
            const std::string padded = request.stem + std::string(digits > shown ? digits - shown : 0, '0');
            span.title = fittedTitle(padded, number++, span.title, NAME_LIMITS);
        }
    }
    return spans;
}
