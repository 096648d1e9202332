#include "planning/SplitPlan.h"

#include <string_view>
#include <utility>

#include "planning/ChildNaming.h"
#include "wav/ChildMetadata.h"
#include "wav/ChildWavHeader.h"
#include "wav/WavHeader.h"

namespace {

// Wraps instead of overflowing: a start pattern near the top of the range is the user's choice.
std::int32_t after(std::int32_t number) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(number) + 1u); }

std::uint32_t blockOf(std::uint32_t asked)
{
    // No block size at all means the default one, as the Buffer Size command has it.
    const std::uint32_t block = asked == 0 ? COPY_BUFFER_CAPACITY : asked;
    return block < COPY_BLOCK_MAX ? block : COPY_BLOCK_MAX;
}

class Planner {
public:
    Planner(SplitPlan& plan, const CutChoice& choice) : plan_(plan), choice_(choice), number_(choice.childNumber)
    {
        plan.stem = choice.childStem;
        plan.headerFields = choice.templateHeader;
        const bool timeOrCount = choice.cutMode == CutMode::Time || choice.cutMode == CutMode::Count;
        if (choice.defaultFields || timeOrCount) {
            fillDefaultHeader(plan.headerFields);
        }
        // What a time or a count cut carries is the Mother's own format; a template's header stays.
        if (timeOrCount && choice.motherOwnHeader) {
            plan.headerFields = *choice.motherOwnHeader;
        }
    }

    PlannedChild next(std::uint64_t done, std::uint32_t sampleBytes)
    {
        PlannedChild child;
        child.number = number_;
        child.firstByte = plan_.mother.dataAt + done;
        // The last Child, 64 bytes short of the rest, ends on a whole frame as the pieces do.
        child.sampleBytes = wholeFramesOf(choice_.motherOwnHeader, sampleBytes);
        number_ = after(number_);
        return child;
    }

    void run()
    {
        const std::uint64_t piece = wholeFramesOf(choice_.motherOwnHeader, choice_.pieceBytes);  // never more
        const std::uint64_t total = plan_.mother.sampleBytes;
        std::uint64_t done = 0;
        if (choice_.startPattern > 0) {
            number_ = choice_.startPattern;
            // In 64 bits: a large start pattern must skip past the end, not wrap round to the start.
            done = static_cast<std::uint64_t>(choice_.startPattern - 1) * piece;
        }
        for (; piece != 0 && done + piece <= total; done += piece) {
            plan_.children.push_back(next(done, static_cast<std::uint32_t>(piece)));
        }
        if (piece != 0 && done < total) {
            const auto rest = static_cast<std::uint32_t>(total - done);
            if (choice_.cutMode == CutMode::Count) {
                plan_.unwritten = next(done, rest);
            } else if (rest >= LAST_PIECE_TRIM) {
                plan_.children.push_back(next(done, rest - LAST_PIECE_TRIM));
            }
        }
        plan_.nextNumber = number_;
    }

private:
    SplitPlan& plan_;
    const CutChoice& choice_;
    std::int32_t number_;
};

}  // namespace

bool namedByClock(const SplitPlan& plan) { return plan.clock && !plan.clock->pattern.empty() && !plan.clock->asTitle; }

std::string childName(const SplitPlan& plan, const PlannedChild& child)
{
    if (namedByClock(plan)) {
        const std::size_t folder = plan.stem.find_last_of("/\\");
        return (folder == std::string::npos ? std::string() : plan.stem.substr(0, folder + 1)) + child.title + "." +
               CHILD_EXTENSION;
    }
    std::string name;
    composeChildName(name, plan.stem, child.number, CHILD_EXTENSION, plan.digits);
    if (!child.title.empty()) {
        name.insert(name.size() - 1 - std::string_view(CHILD_EXTENSION).size(), "-" + child.title);
    }
    return name;
}

HeaderBytes childHeader(const SplitPlan& plan, const PlannedChild& child)
{
    HeaderBytes header = plan.headerFields;
    writeHeaderSizes(header, static_cast<std::uint32_t>(child.sampleBytes));  // the window's sizes are 32-bit
    return header;
}

std::vector<std::uint8_t> childFileHeader(const SplitPlan& plan, const PlannedChild& child)
{
    if (!plan.childFmt.empty()) {
        std::vector<std::uint8_t> header = childWavHeader(plan.childFmt, plan.frameBytes, child.sampleBytes);
        if (plan.carried && plan.frameBytes != 0) {
            const std::uint64_t firstFrame = (child.firstByte - plan.mother.dataAt) / plan.frameBytes;
            const std::optional<BextTime> at =
                plan.clock ? std::optional(bextTimeAt(*plan.clock, firstFrame)) : std::nullopt;
            header =
                withChunksBeforeData(std::move(header), childMetadataChunks(*plan.carried, firstFrame,
                                                                            child.sampleBytes / plan.frameBytes, at));
        }
        return header;
    }
    const HeaderBytes header = childHeader(plan, child);
    return {header.begin(), header.end()};
}

std::uint64_t childFileHeaderBytes(const SplitPlan& plan, const PlannedChild& child)
{
    if (plan.carried) {
        return childFileHeader(plan, child).size();
    }
    return plan.childFmt.empty() ? WAV_HEADER_BYTES : childWavHeaderBytes(plan.childFmt.size(), child.sampleBytes);
}

std::optional<HeaderBytes> motherOwnHeaderOf(const WavFormat& format)
{
    return isCutFormat(format) ? std::nullopt : std::optional(canonicalHeaderOf(format, 0));
}

std::uint64_t wholeFramesOf(const std::optional<HeaderBytes>& motherOwnHeader, std::uint64_t bytes)
{
    if (!motherOwnHeader) {
        return bytes;
    }
    const HeaderBytes& own = *motherOwnHeader;
    const auto frame = static_cast<std::uint64_t>(own[BLOCK_ALIGN_AT] | own[BLOCK_ALIGN_AT + 1] << 8);
    return frame == 0 ? bytes : bytes - bytes % frame;
}

MotherSource motherSourceOf(const std::string& path, const MotherFacts& facts)
{
    MotherSource mother;
    mother.path = path;
    mother.fileBytes = facts.fileBytes;
    mother.dataAt = facts.dataAt;
    // A header never finished keeps its own size, which the writer finds the file still giving.
    mother.dataChunkBytes = facts.extent.unfinished ? facts.extent.headerDataSize : facts.dataSize;
    mother.sampleBytes = facts.dataSize >= MOTHER_DATA_MARGIN ? facts.dataSize - MOTHER_DATA_MARGIN : 0;
    mother.format = facts.layout.format;
    return mother;
}

MotherSource ownTimeSourceOf(const std::string& path, const MotherFacts& facts)
{
    MotherSource mother;
    mother.path = path;
    mother.fileBytes = facts.fileBytes;
    mother.dataAt = facts.dataAt;
    mother.dataChunkBytes = facts.extent.headerDataSize;
    const std::uint64_t frame = facts.layout.format.blockAlign;
    mother.sampleBytes = frame == 0 ? 0 : facts.extent.usedDataSize / frame * frame;
    mother.format = facts.layout.format;
    mother.fmtBody = carriedFmtBody(facts.layout);
    return mother;
}

SplitPlan planWindowSplit(const MotherSource& mother, const CutChoice& choice)
{
    SplitPlan plan;
    plan.mother = mother;
    plan.blockBytes = blockOf(choice.copyBufferBytes);
    Planner(plan, choice).run();
    return plan;
}

SplitPlan planSpans(const MotherSource& mother, const ChildSpans& spans, const SpanChoice& choice)
{
    SplitPlan plan;
    plan.mother = mother;
    plan.blockBytes = blockOf(choice.copyBufferBytes);
    plan.stem = choice.childStem;
    plan.childFmt = mother.fmtBody;
    plan.frameBytes = mother.format ? mother.format->blockAlign : 0;
    const std::uint64_t frame = plan.frameBytes;
    const std::uint64_t motherFrames = frame == 0 ? 0 : mother.sampleBytes / frame;
    std::int32_t number = choice.firstNumber;
    for (const ChildSpan& span : spans) {
        const std::int32_t own = number;
        number = after(number);
        if ((choice.from > 0 && own < choice.from) || span.firstFrame >= motherFrames) {
            continue;
        }
        const std::uint64_t left = motherFrames - span.firstFrame;
        PlannedChild child;
        child.number = own;
        child.firstByte = mother.dataAt + span.firstFrame * frame;
        child.sampleBytes = (span.frames < left ? span.frames : left) * frame;
        child.title = span.title;
        plan.children.push_back(std::move(child));
    }
    plan.nextNumber = number;
    return plan;
}
