#include "split/SplitPlan.h"

#include "split/ChildNaming.h"
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
        if (choice.defaultFields || choice.cutMode == CutMode::Time || choice.cutMode == CutMode::Count) {
            fillDefaultHeader(plan.headerFields);
        }
    }

    PlannedChild next(std::uint64_t done, std::uint32_t sampleBytes)
    {
        PlannedChild child;
        child.number = number_;
        child.firstByte = plan_.mother.dataAt + done;
        child.sampleBytes = sampleBytes;
        number_ = after(number_);
        return child;
    }

    void run()
    {
        const std::uint64_t piece = choice_.pieceBytes;
        const std::uint64_t total = plan_.mother.sampleBytes;
        std::uint64_t done = 0;
        if (choice_.startPattern > 0) {
            number_ = choice_.startPattern;
            // In 64 bits: a large start pattern must skip past the end, not wrap round to the start.
            done = static_cast<std::uint64_t>(choice_.startPattern - 1) * piece;
        }
        for (; piece != 0 && done + piece <= total; done += piece) {
            plan_.children.push_back(next(done, choice_.pieceBytes));
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

std::string childName(const SplitPlan& plan, const PlannedChild& child)
{
    std::string name;
    composeChildName(name, plan.stem, child.number, CHILD_EXTENSION);
    return name;
}

HeaderBytes childHeader(const SplitPlan& plan, const PlannedChild& child)
{
    HeaderBytes header = plan.headerFields;
    writeHeaderSizes(header, child.sampleBytes);
    return header;
}

MotherSource motherSourceOf(const std::string& path, const MotherFacts& facts)
{
    MotherSource mother;
    mother.path = path;
    mother.fileBytes = facts.fileBytes;
    mother.dataAt = facts.dataAt;
    mother.dataChunkBytes = facts.dataSize;
    mother.sampleBytes = facts.dataSize >= MOTHER_DATA_MARGIN ? facts.dataSize - MOTHER_DATA_MARGIN : 0;
    mother.format = facts.layout.format;
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

SplitPlan planCommandLineSplit(const MotherSource& mother, const CutChoice& choice)
{
    return planWindowSplit(mother, choice);
}
