#include "cli/MarksSpans.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "cli/CliTexts.h"
#include "cli/ConsoleMessage.h"
#include "core/FileIo.h"
#include "marks/ChildTitle.h"
#include "marks/CueSheet.h"
#include "marks/LabelList.h"
#include "marks/MarkerCuts.h"
#include "marks/SilenceCuts.h"
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

std::optional<std::string> readText(const std::string& path, const CliConsole& console)
{
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        const int cause = errno;
        console.err << consoleMessage(clitext::MARKS_FILE_UNREADABLE,
                                      path + (cause != 0 ? std::string("\n") + std::strerror(cause) : std::string()));
        return std::nullopt;
    }
    return text;
}

std::optional<ChildSpans> fromFile(const CliOptions& options, std::uint32_t rate, std::uint64_t frames,
                                   const CliConsole& console)
{
    const std::optional<std::string> text = readText(options.marksPath, console);
    if (!text) {
        return std::nullopt;
    }
    const MarksRead read = options.length == LengthChoice::Labels
                               ? spansFromLabels(*text, options.marksPath, rate, frames)
                               : spansFromCueSheet(*text, options.marksPath, rate, frames);
    if (read.refusal) {
        console.err << consoleMessage(clitext::MARKS_FILE_REFUSED, refusalText(*read.refusal));
        return std::nullopt;
    }
    return read.spans;
}

std::optional<ChildSpans> atSilence(const CliOptions& options, const MotherSource& mother, std::uint64_t frames,
                                    const CliConsole& console)
{
    const std::optional<SampleLayout> layout = sampleLayoutOf(*mother.format);
    std::FILE* stream = openFileForReading(mother.path);
    if (!layout || stream == nullptr) {
        if (stream != nullptr) {
            std::fclose(stream);
        }
        console.err << consoleMessage(clitext::MOTHER_NOT_READ_WHOLE, mother.path);
        return std::nullopt;
    }
    const std::uint32_t rate = mother.format->sampleRate;
    const SilenceRule rule{options.silenceDb, framesOf(options.silenceMin, rate).value_or(frames),
                           framesOf(options.minPiece, rate).value_or(frames)};
    const SilenceCuts found = spansAtSilence({readerOf(stream), mother.dataAt, frames, *layout}, rule);
    std::fclose(stream);
    if (!found.readWhole) {
        console.err << consoleMessage(clitext::MOTHER_NOT_READ_WHOLE, mother.path);
        return std::nullopt;
    }
    if (found.silences == 0 && !options.quiet) {
        console.out << clitext::NO_SILENCE;
    }
    return found.spans;
}

std::optional<ChildSpans> spansOfRule(const CliOptions& options, const MotherSource& mother, const CliConsole& console)
{
    const std::uint64_t frames = mother.sampleBytes / mother.format->blockAlign;
    switch (options.length) {
    case LengthChoice::Markers: return spansAtMarkers(readMotherMetadata(mother.path).markers, frames);
    case LengthChoice::Labels:
    case LengthChoice::Cue: return fromFile(options, mother.format->sampleRate, frames, console);
    case LengthChoice::Silence: return atSilence(options, mother, frames, console);
    default: return std::nullopt;
    }
}

}  // namespace

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

std::optional<ChildSpans> spansAtMarks(const CliOptions& options, const MotherSource& mother, const std::string& stem,
                                       const CliConsole& console)
{
    std::optional<ChildSpans> spans = spansOfRule(options, mother, console);
    if (spans) {
        std::int32_t number = 0;
        for (ChildSpan& span : *spans) {
            span.title = fittedTitle(stem, ++number, span.title, NAME_LIMITS);
        }
    }
    return spans;
}
