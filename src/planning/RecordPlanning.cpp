#include "planning/RecordPlanning.h"

#include "wav/MotherFacts.h"

namespace {

constexpr std::uint64_t MILLISECONDS_PER_SECOND = 1000;
constexpr char CLOCK_TITLE[] = "%Y-%m-%d_%H-%M-%S";

}  // namespace

CutRequest marksRequestOf(const MarksChoice& marks, const CutRecord& cut, const NamesAndPicks& names)
{
    CutRequest request;
    request.rule = marks.rule;
    request.marksPath = marks.path;
    request.frameCuts = cut.frameCuts;
    request.silenceDb = -static_cast<double>(marks.belowDb);
    request.silenceMin = TimeLength{false, 0, marks.shortestMs, MILLISECONDS_PER_SECOND};
    request.from = cut.startPattern;
    request.firstNumber = names.childNumber;
    request.stem = names.childStem;
    request.blockBytes = cut.copyBufferBytes;
    if (marks.rule == CutRule::Time) {
        // The bext's start in the system's zone, the names as the command line's --time-name.
        request.every = TimeLength{false, 0, std::uint64_t{marks.clockMinutes} * 60, 1};
        request.align = true;
        request.zone = "local";
        request.timeName = CLOCK_TITLE;
        request.timeAsTitle = true;
    }
    return request;
}

PlannedCut planMarksOfRecord(const MotherRecord& mother, const CutRecord& cut, const NamesAndPicks& names)
{
    const MarksChoice marks{cut.marksRule, cut.marksPath, cut.silenceBelowDb, cut.silenceMs, cut.clockMinutes};
    return planCut(marksRequestOf(marks, cut, names), {mother.motherPath, std::nullopt});
}

PlannedCut planOfRecord(const MotherRecord& mother, const CutRecord& cut, const NamesAndPicks& names)
{
    if (cut.cutMode == CutMode::Marks) {
        return planMarksOfRecord(mother, cut, names);
    }
    LoadedMother loaded;
    MotherSource& source = loaded.source;
    source.path = mother.motherPath;
    source.fileBytes = mother.motherFileBytes;
    source.dataAt = mother.motherReadOffset;
    source.dataChunkBytes = mother.motherHeaderDataSize.value_or(mother.motherDataBytes + MOTHER_DATA_MARGIN);
    source.sampleBytes = mother.motherDataBytes;
    loaded.ownHeader = mother.motherOwnHeader;
    CutRequest request;
    request.rule = CutRule::Bytes;
    request.windowRules = true;
    request.pieceBytes = cut.pieceBytes;
    request.pieceMode = cut.cutMode;
    request.templateHeader = cut.headerBuf;
    request.from = cut.startPattern;
    request.blockBytes = cut.copyBufferBytes;
    request.firstNumber = names.childNumber;
    request.stem = names.childStem;
    // A Mother LOAD took is never refused here: the plan is made of the record alone.
    return planCut(request, {mother.motherPath, loaded});
}
