#include "cli/StreamMother.h"

#include <limits>
#include <string>

#include "cli/CliReading.h"
#include "cli/CliTexts.h"
#include "cli/ConsoleMessage.h"
#include "cli/MarksSpans.h"
#include "cli/StreamTexts.h"
#include "split/MotherRefusal.h"
#include "split/SpanRules.h"
#include "split/StreamRules.h"
#include "wav/ChildWavHeader.h"
#include "wav/SampleFormat.h"

namespace {

std::string formatLines(const WavFormat& format)
{
    std::string lines = numberLine(clitext::FORMAT_TAG_LABEL, format.formatTag);
    if (format.formatTag == EXTENSIBLE_FORMAT_TAG) {
        lines += numberLine(clitext::SUB_FORMAT_TAG_LABEL, format.subFormatTag);
    }
    return lines + numberLine(clitext::CHANNELS_LABEL, format.channels) +
           numberLine(clitext::BITS_LABEL, format.bitsPerSample) + numberLine(clitext::RATE_LABEL, format.sampleRate) +
           numberLine(clitext::BLOCK_ALIGN_LABEL, format.blockAlign) + "\n" + clitext::FORMAT_WANTED;
}

// The silences of the stream, found as its frames arrive.
class AtSilence : public StreamRule {
public:
    AtSilence(const SampleLayout& layout, const SilenceRule& rule) : cuts_(layout, rule) {}

    // One Child from the first frame on; every other begins at a cut.
    std::optional<StreamChild> nextChild() override
    {
        if (begun_) {
            return std::nullopt;
        }
        begun_ = true;
        return StreamChild{1, 0, std::nullopt, {}};
    }
    std::vector<std::uint64_t> look(const std::uint8_t* frames, std::uint64_t first, std::uint64_t count) override
    {
        return cuts_.look(frames, first, count);
    }
    std::vector<std::uint64_t> ended(std::uint64_t frames) override { return cuts_.ended(frames); }
    bool looksAtFrames() const override { return true; }

    const StreamSilenceCuts& cuts() const { return cuts_; }

private:
    StreamSilenceCuts cuts_;
    bool begun_ = false;
};

// A length in the Mother's frames, or none after saying why it cannot be cut so.
std::optional<std::uint64_t> pieceOrSay(std::optional<std::uint64_t> pieceFrames, const MotherSource& mother,
                                        const CliConsole& console)
{
    if (!pieceFrames) {
        console.err << consoleMessage(clitext::PIECE_TOO_LONG, streamtext::STREAM_NAME);
        return std::nullopt;
    }
    if (*pieceFrames == 0) {
        console.err << consoleMessage(clitext::PIECE_UNDER_A_FRAME,
                                      streamtext::STREAM_NAME +
                                          numberLine(clitext::RATE_LABEL, mother.format->sampleRate));
        return std::nullopt;
    }
    return pieceFrames;
}

std::optional<std::uint64_t> framesLikeTemplate(const CliOptions& options, const MotherSource& mother,
                                                const CliConsole& console)
{
    const std::optional<TemplateWav> read = readTemplateOrSay(options.likePath, console);
    if (!read) {
        return std::nullopt;
    }
    const WavFormat& format = read->format;
    if (format.blockAlign == 0 || format.sampleRate == 0) {
        return pieceOrSay(0, mother, console);
    }
    return pieceOrSay(framesLike(read->pieceBytes / format.blockAlign, format.sampleRate, mother.format->sampleRate),
                      mother, console);
}

}  // namespace

StreamBytes wholeReadsOf(const StreamSource& source, const SplitStopRequest& stop)
{
    return [&source, &stop](std::uint8_t* into, std::size_t bytes) {
        std::size_t got = 0;
        while (got < bytes && !stop.requested()) {
            const StreamRead read = source(into + got, bytes - got);
            if (read.bytes == 0 && (read.ended || read.error != 0)) {
                break;
            }
            got += read.bytes;
        }
        return got;
    };
}

std::optional<MotherSource> streamMotherOf(const StreamHead& head, const CliConsole& console)
{
    MotherFacts facts;
    facts.headerBytesRead = head.headerBytesRead;
    facts.fileBytes = head.bytesRead;
    facts.layout = head.layout;
    if (const std::optional<MotherRefusal> refusal = motherRefusalFor(findSplitProblem(facts), facts)) {
        console.err << consoleMessage(refusal->caption, streamtext::STREAM_NAME + refusal->numbers);
        return std::nullopt;
    }
    const WavFormat& format = head.layout.format;
    if (sampleFormatProblem(format) != FormatProblem::None) {
        console.err << consoleMessage(clitext::FORMAT_REFUSED, streamtext::STREAM_NAME + formatLines(format));
        return std::nullopt;
    }
    MotherSource mother;
    mother.path = streamtext::STREAM;
    mother.dataAt = head.bytesRead;
    mother.dataChunkBytes = head.layout.dataBytes;
    mother.format = format;
    mother.fmtBody = carriedFmtBody(head.layout);
    return mother;
}

std::unique_ptr<StreamRule> streamRuleOf(const CliOptions& options, const MotherSource& mother,
                                         const CliConsole& console, const StreamSilenceCuts** silence)
{
    const std::uint32_t rate = mother.format->sampleRate;
    switch (options.length) {
    case LengthChoice::Time: {
        const std::optional<std::uint64_t> piece = pieceOrSay(framesOf(options.every, rate), mother, console);
        return piece ? everyFramesRule(*piece, options.from) : nullptr;
    }
    case LengthChoice::Like: {
        const std::optional<std::uint64_t> piece = framesLikeTemplate(options, mother, console);
        return piece ? everyFramesRule(*piece, options.from) : nullptr;
    }
    case LengthChoice::Labels:
    case LengthChoice::Cue: {
        // The lists are read as for a Mother with no end in sight: a time past the stream's end
        // is a cut that never comes, and the span it would end goes on to the stream's end.
        MotherSource endless = mother;
        const std::uint64_t frame = mother.format->blockAlign;
        endless.sampleBytes = std::numeric_limits<std::uint64_t>::max() / 2 / frame * frame;
        const std::optional<ChildSpans> spans = spansAtMarks(options, endless, stemOf(*options.name), console);
        return spans ? spansRule(*spans, endless.sampleBytes / frame, options.from) : nullptr;
    }
    case LengthChoice::Silence: {
        const std::optional<SampleLayout> layout = sampleLayoutOf(*mother.format);
        if (!layout) {
            console.err << consoleMessage(clitext::MOTHER_NOT_READ_WHOLE, streamtext::STREAM_NAME);
            return nullptr;
        }
        const std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
        const SilenceRule rule{options.silenceDb, framesOf(options.silenceMin, rate).value_or(most),
                               framesOf(options.minPiece, rate).value_or(most)};
        auto found = std::make_unique<AtSilence>(*layout, rule);
        *silence = &found->cuts();
        return found;
    }
    default: break;  // refused with - before the stream is read
    }
    return nullptr;
}
