// What the label list and the CUE sheet targets share: any text as the file of marks of a Mother
// whose rate and frame count, and the Children's stem and numbers, come from the input's first 15
// bytes, read and named as the planning of a cut in the Mother's own time reads and names them.
// Whatever the text, it is refused naming the file and a line the text has, or its Children lie
// inside the Mother (end to end where the text cuts it so) and are named within the rules of a
// file name.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "core/CutRequest.h"
#include "marks/ChildTitle.h"
#include "planning/CutPlanning.h"
#include "planning/CutTexts.h"
#include "planning/MarksSpans.h"
#include "support/ScratchFiles.h"

namespace marksfuzz {

// Thousands of tracks, and no more: a run stays short.
constexpr std::size_t MOST_TEXT_BYTES = 256 * 1024;
constexpr std::uint16_t FRAME_BYTES = 4;  // 16-bit stereo; the rules count frames, not bytes

// The Mother and the naming, as the input's first bytes give them.
struct MarksMother {
    std::uint32_t rate = 0;
    std::uint64_t frames = 0;  // up to 2^40, past any Mother's end a list could name
    std::int32_t firstNumber = 1;
    std::int32_t digits = 0;      // DIGITS_OF_LAST_NUMBER, 0 or 1 to 10
    std::size_t stemLetters = 0;  // the length of the name's own part, near the room a name has
};

inline MarksMother takeMother(FuzzBytes& input)
{
    MarksMother mother;
    mother.rate = input.le32();
    mother.frames = input.le32() | (static_cast<std::uint64_t>(input.byte()) << 32);
    mother.firstNumber = static_cast<std::int32_t>(input.le32());
    mother.digits = input.byte() % 12 - 1;
    mother.stemLetters = input.byte();
    return mother;
}

// The text's lines as a reader of it counts them: parted at LF, a last line without one counted too.
inline std::vector<std::string_view> linesOfText(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// A problem that shows a field in quotes shows one of the named line's own.
inline void checkQuoted(const std::string& problem, std::string_view line)
{
    const std::size_t open = problem.find('"');
    const std::size_t close = problem.rfind("\" is ");
    if (open == std::string::npos || close == std::string::npos || close <= open) {
        return;
    }
    const std::string field = problem.substr(open + 1, close - open - 1);
    require(line.find(field) != std::string_view::npos, "a field shown in quotes stands in the named line");
}

inline void checkRefusal(const CutMessage& refusal, const std::string& path, std::string_view text,
                         std::string_view wholeFileProblem)
{
    require(refusal.caption == std::string_view(cuttext::MARKS_FILE_REFUSED), "a refused file of marks says so");
    require(refusal.file == path, "a refusal names the file of marks");
    require(!refusal.problem.empty(), "a refusal says what is wrong");
    require(cutMessageText(refusal).starts_with(path), "the refusal's text begins with the file");
    if (refusal.line == 0) {
        require(refusal.problem == wholeFileProblem, "only the file as a whole is refused without a line");
        return;
    }
    const std::vector<std::string_view> lines = linesOfText(text);
    require(refusal.line <= lines.size(), "a refusal names a line the text has");
    std::string_view line = lines[refusal.line - 1];
    if (line.ends_with('\r')) {
        line.remove_suffix(1);  // the CR of a CR LF line end
    }
    require(!line.empty(), "an empty line is never the one refused");
    checkQuoted(refusal.problem, line);
}

inline std::string_view lastName(std::string_view path)
{
    const std::size_t separator = path.find_last_of('/');
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// A Child's name: the stem, its number padded as asked, its title made safe and fitted into the
// room a name and a path have, ".WAV".
inline void checkName(const SplitPlan& plan, const PlannedChild& child, std::string_view text)
{
    const std::string name = childName(plan, child);
    std::string number = child.number > 0 ? std::to_string(child.number) : std::string();
    if (!number.empty() && number.size() < plan.digits) {
        number.insert(0, plan.digits - number.size(), '0');
    }
    const std::string unnamed = plan.stem + number;
    require(name.starts_with(unnamed) && name.ends_with(".WAV"), "a Child is named stem, number, .WAV");
    if (child.title.empty()) {
        require(name == unnamed + ".WAV", "a Child without a title has the plain name");
        return;
    }
    require(name == unnamed + "-" + child.title + ".WAV", "a title follows the number after a -");
    require(safeTitle(child.title) == child.title, "a title holds no character a file name cannot");
    require(safeTitle(text).find(child.title) != std::string::npos, "a title is taken from the text");
    require(lastName(name).size() <= POSIX_NAME_LIMITS.nameLength, "a titled name fits the room of a name");
    require(name.size() <= POSIX_NAME_LIMITS.pathLength, "a titled path fits the room of a path");
}

// Every Child inside the Mother, of whole frames. Children end to end begin each where the one
// before ends, from the Mother's first frame to its last, so each cut is strictly after the one
// before and inside the Mother; the regions of a label list may overlap and leave gaps.
inline void checkChildren(const SplitPlan& plan, const MotherSource& mother, std::string_view text, bool endToEnd)
{
    const std::uint64_t end = mother.dataAt + mother.sampleBytes;
    std::uint64_t before = mother.dataAt;
    for (const PlannedChild& child : plan.children) {
        require(child.sampleBytes > 0 && child.sampleBytes % FRAME_BYTES == 0, "a Child holds whole frames");
        require(child.firstByte >= mother.dataAt && child.firstByte % FRAME_BYTES == 0 &&
                    child.firstByte - mother.dataAt < mother.sampleBytes && child.sampleBytes <= end - child.firstByte,
                "a Child lies inside the Mother");
        if (endToEnd) {
            require(child.firstByte == before, "each Child begins where the one before ends");
            before = child.firstByte + child.sampleBytes;
        }
        checkName(plan, child, text);
    }
    require(!endToEnd || plan.children.empty() || before == end, "Children end to end reach the Mother's end");
}

// Reads the text as the file of marks of this rule and checks what comes of it. `endToEnd` says
// the text's Children must cover the Mother from its first frame to its last.
inline void checkMarks(CutRule rule, const std::uint8_t* data, std::size_t size, std::string_view wholeFileProblem,
                       bool (*endToEnd)(std::string_view text))
{
    FuzzBytes input(data, size);
    const MarksMother taken = takeMother(input);
    const std::vector<std::uint8_t> bytes = input.rest();
    // A Mother without a rate is refused before its marks are read.
    if (taken.rate == 0 || bytes.size() > MOST_TEXT_BYTES) {
        return;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const ScratchFolder folder;
    const std::string path = folder.write(rule == CutRule::Labels ? "labels.txt" : "take.cue", bytes);

    MotherSource mother;
    mother.path = folder.path("mother.wav");
    mother.dataAt = 44;
    mother.sampleBytes = taken.frames * FRAME_BYTES;
    mother.dataChunkBytes = mother.sampleBytes;
    mother.format = WavFormat{1, 2, taken.rate, taken.rate * FRAME_BYTES, FRAME_BYTES, 16};
    CutRequest request;
    request.rule = rule;
    request.marksPath = path;
    request.firstNumber = taken.firstNumber;
    request.digits = taken.digits;
    request.stem = folder.path(std::string(taken.stemLetters, 'k'));

    PlannedCut cut;
    const std::optional<ChildSpans> spans = spansAtMarks(request, mother, cut);
    if (!spans) {
        require(cut.refusal.has_value(), "no Children without a refusal");
        checkRefusal(*cut.refusal, path, text, wholeFileProblem);
        return;
    }
    require(!cut.refusal, "Children and no refusal");
    require(!spans->empty() || taken.frames == 0, "a Mother with frames has Children");
    // The spans as the reader gives them, before the plan takes only what lies in the Mother.
    for (const ChildSpan& span : *spans) {
        require(span.frames > 0 && span.firstFrame < taken.frames && span.frames <= taken.frames - span.firstFrame,
                "every span lies inside the Mother");
    }
    SplitPlan plan = planSpans(mother, *spans, {request.stem, request.firstNumber, 0, 0});
    std::int32_t last = 0;
    for (const PlannedChild& child : plan.children) {
        last = std::max(last, child.number);
    }
    plan.digits = paddedWidth(request.digits, last);  // as the planning pads them
    require(plan.children.size() == spans->size(), "every span is a Child");
    checkChildren(plan, mother, text, endToEnd(text));
}

}  // namespace marksfuzz
