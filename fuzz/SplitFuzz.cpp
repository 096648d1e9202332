// Any bytes as a Mother, cut with any piece length, cut mode, start pattern and copy block: the
// first 13 bytes of the input steer the cut, the rest is the Mother file. Whatever they are,
// every Child written must be a whole WAV holding exactly its slice of the Mother's samples, the
// Children together must hold every full piece, and the Mother must stay as it was.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/Dispatch.h"
#include "res/resource.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

// Bounds that keep one run short: a Mother of at most 64 KiB, cut into at most 64 Children.
constexpr std::size_t MOST_MOTHER_BYTES = 64 * 1024;
constexpr std::uint64_t MOST_CHILDREN = 64;

constexpr std::size_t HEADER_BYTES = 44;
constexpr std::uint64_t LAST_TRIM = 64;  // the short last Child stops this far before the cuttable end

// Positions 1-44 of the header of a Child cut by time or by number, its two sizes left zero.
// clang-format off
constexpr std::array<std::uint8_t, HEADER_BYTES> TIMED_CHILD_HEADER = {
    'R', 'I', 'F', 'F', 0, 0, 0, 0,  // RIFF size: set per Child
    'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
    16, 0, 0, 0,                     // fmt chunk size
    1, 0, 2, 0,                      // PCM, two channels
    0x44, 0xAC, 0, 0,                // 44 100 frames per second
    0x10, 0xB1, 2, 0,                // 176 400 bytes per second
    4, 0, 16, 0,                     // 4 bytes per frame, 16 bits per sample
    'd', 'a', 't', 'a', 0, 0, 0, 0,  // data size: set per Child
};
// clang-format on

struct CutPlan {
    std::uint32_t pieceBytes = 0;
    CutMode cutMode = CutMode::None;
    int command = IDM_SPLIT_TO_CHILDREN;
    std::int32_t startPattern = 0;
    std::uint32_t copyBlock = 0;
};

CutPlan takePlan(FuzzBytes& input)
{
    CutPlan plan;
    plan.pieceBytes = input.le32();
    const std::uint8_t modeAndCommand = input.byte();
    plan.cutMode = static_cast<CutMode>(modeAndCommand & 3);
    plan.command = (modeAndCommand & 4) != 0 ? IDM_ALLSPLIT : IDM_SPLIT_TO_CHILDREN;
    plan.startPattern = static_cast<std::int32_t>(input.le32());
    plan.copyBlock = input.le32();
    return plan;
}

std::uint64_t le32At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::uint64_t{bytes[at + i]} << (8 * i);
    }
    return value;
}

// The Children's numbers from the name the program gives them: "child" + number + ".WAV".
std::uint64_t childIndex(const std::string& name, std::int64_t firstNumber)
{
    const std::string prefix = "child";
    const std::string suffix = ".WAV";
    require(name.size() > prefix.size() + suffix.size() && name.starts_with(prefix) && name.ends_with(suffix),
            "every file beside the Mother is a Child by its name");
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    require(digits.size() <= 10 &&
                std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }),
            "a Child's number is plain digits");
    const std::int64_t number = std::stoll(digits);
    require(number >= firstNumber && number - firstNumber < static_cast<std::int64_t>(MOST_CHILDREN),
            "Children are numbered from the start pattern on");
    return static_cast<std::uint64_t>(number - firstNumber);
}

class SplitRun {
public:
    SplitRun(const CutPlan& plan, std::vector<std::uint8_t> mother) : plan_(plan), mother_(std::move(mother)) {}

    void run()
    {
        motherPath_ = folder_.write("mother.wav", mother_);
        fake_.pick(motherPath_);
        dispatchCommand(ctx_, IDM_LOAD);
        if (state_.motherChosen != 0 && prepareCut()) {
            fake_.boxes.clear();
            fake_.dialogAnswers.push_back(DialogAnswer::Start);
            dispatchCommand(ctx_, plan_.command);
            checkOutcome();
        }
        closeAllStreams(state_);
        checkChildren();
        require(readWholeFile(motherPath_) == mother_, "the Mother is unchanged");
    }

private:
    // The record as the commands before START leave it: the Children named, the Mother its own
    // template, the cut from the input. False when the cut would make more Children than a run allows.
    bool prepareCut()
    {
        fake_.pick(folder_.path("child.wav"));
        dispatchCommand(ctx_, IDM_GIVE_NAME);
        state_.likeChosen = 1;
        state_.likePath = motherPath_;
        state_.headerBuf = state_.motherHeader;
        state_.pieceBytes = plan_.pieceBytes;
        state_.cutMode = plan_.cutMode;
        state_.startPattern = plan_.startPattern;
        state_.copyBufferBytes = plan_.copyBlock;
        if (state_.motherOwnHeader) {
            // A Mother of another format is cut at whole frames of its own block align.
            const HeaderBytes& own = *state_.motherOwnHeader;
            frame_ = std::max<std::uint64_t>(1, static_cast<std::uint64_t>(own[32] | own[33] << 8));
        }
        piece_ = plan_.pieceBytes - plan_.pieceBytes % frame_;
        if (plan_.startPattern > 0) {
            skip_ = static_cast<std::uint64_t>(plan_.startPattern - 1) * piece_;
            firstNumber_ = plan_.startPattern;
        }
        const std::uint64_t cuttable = state_.motherDataBytes;
        if (piece_ != 0 && skip_ < cuttable) {
            fullChildren_ = (cuttable - skip_) / piece_;
            remainder_ = cuttable - skip_ - fullChildren_ * piece_;
        }
        return fullChildren_ < MOST_CHILDREN;
    }

    // With a piece length and a Mother that stays put, a split always goes through to its
    // elapsed-time box; without a piece length it says so and writes nothing.
    void checkOutcome()
    {
        require(fake_.boxes.size() == 1, "a split ends with exactly one box");
        const std::string& caption = fake_.boxes[0].caption;
        if (plan_.pieceBytes == 0) {
            require(caption.starts_with(" no piece length chosen"), "no piece length is said so");
            return;
        }
        require(caption == " time for job = " || caption == " Verarbeitungsdauer = ", "a possible split goes through");
        succeeded_ = true;
    }

    // The template fields the Children carry: for a cut by time or number the program's own, or a
    // Mother of another format its own, else the Mother's header, which stands in as the template.
    HeaderBytes expectedFields() const
    {
        if (plan_.cutMode == CutMode::Time || plan_.cutMode == CutMode::Count) {
            return state_.motherOwnHeader.value_or(TIMED_CHILD_HEADER);
        }
        return state_.motherHeader;
    }

    void checkChild(const std::string& path, std::uint64_t index)
    {
        const std::vector<std::uint8_t> child = readWholeFile(path);
        require(child.size() >= HEADER_BYTES, "a Child has a whole header");
        const std::uint64_t dataBytes = le32At(child, 40);
        require(child.size() == HEADER_BYTES + dataBytes, "a Child is 44 bytes plus its header's data size");
        require(le32At(child, 4) == (dataBytes + 36) % 0x100000000u, "a Child's RIFF size is its data size plus 36");
        const HeaderBytes fields = expectedFields();
        require(std::equal(child.begin(), child.begin() + 4, fields.begin()) &&
                    std::equal(child.begin() + 8, child.begin() + 40, fields.begin() + 8),
                "a Child carries the template's header fields");
        require(dataBytes <= piece_, "no Child is longer than a piece");
        const std::uint64_t from = skip_ + index * piece_;
        require(from + dataBytes <= state_.motherDataBytes, "a Child holds only cuttable samples");
        const auto motherAt = static_cast<std::ptrdiff_t>(state_.motherReadOffset + from);
        require(std::equal(child.begin() + HEADER_BYTES, child.end(), mother_.begin() + motherAt),
                "a Child holds the Mother's samples of its piece");
        dataBytes_[index] = dataBytes;
    }

    void checkChildren()
    {
        for (const auto& entry : std::filesystem::directory_iterator(folder_.path("."))) {
            const std::string name = entry.path().filename().string();
            if (name != "mother.wav") {
                checkChild(entry.path().string(), childIndex(name, firstNumber_));
            }
        }
        if (!succeeded_) {
            require(dataBytes_.empty(), "a split that did not go through leaves no Child");
            return;
        }
        // Every full piece is a Child; what remains becomes a short Child, trimmed, unless it is
        // too little or the cut was by number of pieces.
        for (std::uint64_t i = 0; i < fullChildren_; ++i) {
            require(dataBytes_.count(i) == 1 && dataBytes_[i] == piece_, "every full piece is a Child");
        }
        const bool shortChild = plan_.cutMode != CutMode::Count && remainder_ >= LAST_TRIM;
        require(dataBytes_.size() == fullChildren_ + (shortChild ? 1 : 0), "no Child beyond the pieces");
        if (shortChild) {
            const std::uint64_t trimmed = remainder_ - LAST_TRIM;
            require(dataBytes_[fullChildren_] == trimmed - trimmed % frame_, "the short Child holds the trimmed rest");
        }
    }

    CutPlan plan_;
    std::vector<std::uint8_t> mother_;
    ScratchFolder folder_;
    std::string motherPath_;
    AppState state_;
    FakePlatform fake_;
    CommandContext ctx_{state_, fake_, FakePlatform::MAIN_WINDOW};
    std::uint64_t frame_ = 1;  // a Child's length is a multiple of this
    std::uint64_t piece_ = 0;  // a full piece: the piece length in whole frames
    std::uint64_t skip_ = 0;
    std::int64_t firstNumber_ = 1;
    std::uint64_t fullChildren_ = 0;
    std::uint64_t remainder_ = 0;
    bool succeeded_ = false;
    std::map<std::uint64_t, std::uint64_t> dataBytes_;  // data size of each Child by its index
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes input(data, size);
    const CutPlan plan = takePlan(input);
    std::vector<std::uint8_t> mother = input.rest();
    if (mother.size() > MOST_MOTHER_BYTES) {
        return 0;
    }
    SplitRun(plan, std::move(mother)).run();
    return 0;
}
