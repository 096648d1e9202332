#include "wav/MotherLoad.h"

#include <optional>
#include <string>

#include "app/AppState.h"
#include "ui/FilePicker.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/FileIo.h"
#include "wav/WavHeader.h"

namespace {

// Every size of the program is 32-bit; a longer file could not be measured or cut.
constexpr std::uint64_t LARGEST_MOTHER_BYTES = 0xFFFFFFFFu;
constexpr float SECONDS_PER_MINUTE = 60.0f;

// What one look at the file found, before anything of it goes into the record.
struct MotherFacts {
    std::FILE* stream = nullptr;
    HeaderBytes header{};
    std::size_t headerBytesRead = 0;
    std::uint64_t fileBytes = 0;
    std::uint32_t dataSize = 0;
};

struct Refusal {
    const char* caption = nullptr;
    std::string numbers;  // one line per number, each starting with a line break
};

// The first reason the file cannot be cut, or none.
std::optional<Refusal> findProblem(const MotherFacts& facts)
{
    if (facts.fileBytes > LARGEST_MOTHER_BYTES) {
        return Refusal{text::MOTHER_TOO_BIG, numberLine(text::FILE_BYTES_LABEL, facts.fileBytes)};
    }
    if (facts.headerBytesRead < WAV_HEADER_BYTES) {
        return Refusal{text::MOTHER_TOO_SHORT, numberLine(text::BYTES_READ_LABEL, facts.headerBytesRead)};
    }
    if (facts.dataSize < MOTHER_DATA_MARGIN) {
        return Refusal{text::MOTHER_DATA_TOO_SMALL, numberLine(text::DATA_SIZE_LABEL, facts.dataSize)};
    }
    if (facts.dataSize > facts.fileBytes) {
        return Refusal{text::MOTHER_DATA_BEYOND_FILE, numberLine(text::DATA_SIZE_LABEL, facts.dataSize) +
                                                          numberLine(text::FILE_BYTES_LABEL, facts.fileBytes)};
    }
    return std::nullopt;
}

// Opens the file, measures it and reads its header, leaving the stream just past the header.
// Without a stream or a length there is nothing to look at: none.
std::optional<MotherFacts> examine(const std::string& path)
{
    MotherFacts facts;
    facts.stream = std::fopen(path.c_str(), "rb");
    if (facts.stream == nullptr) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> length = streamLength(facts.stream);
    if (!length) {
        std::fclose(facts.stream);
        return std::nullopt;
    }
    facts.fileBytes = *length;
    facts.headerBytesRead = readHeader(facts.stream, facts.header);
    facts.dataSize = headerDataSize(facts.header);
    return facts;
}

void refuse(CommandContext& ctx, const Refusal& refusal)
{
    ctx.state.motherChosen = 0;
    showText(ctx.ui, ctx.mainWindow, refusal.caption, ctx.state.motherPath + refusal.numbers);
}

void commit(AppState& state, const MotherFacts& facts)
{
    const auto fileBytes = static_cast<std::uint32_t>(facts.fileBytes);  // checked to fit
    state.motherStream = facts.stream;
    state.motherHeader = facts.header;
    state.motherFileBytes = fileBytes;
    // The samples are taken to be the last data-size bytes of the file, whatever precedes them.
    state.motherReadOffset = fileBytes - facts.dataSize;
    state.motherDataBytes = facts.dataSize - MOTHER_DATA_MARGIN;
}

void showDuration(CommandContext& ctx, std::uint32_t dataSize)
{
    // Whole seconds first: the minutes shown never count a started second.
    const auto seconds = static_cast<float>(dataSize / BYTES_PER_SECOND);
    const float minutes = seconds / SECONDS_PER_MINUTE;
    showReal(ctx.ui, ctx.mainWindow, text::DURATION_MINUTES, minutes);
}

}  // namespace

void loadMotherCommand(CommandContext& ctx)
{
    closeMotherStream(ctx.state);
    pickFile(ctx.ui, ctx.mainWindow, ctx.state.motherPath, text::EXT_WAV, text::PICK_MOTHER, ctx.state.motherChosen);
    if (ctx.state.motherChosen != 0) {
        loadMother(ctx);
    }
}

void loadMother(CommandContext& ctx)
{
    closeMotherStream(ctx.state);
    const std::optional<MotherFacts> facts = examine(ctx.state.motherPath);
    if (!facts) {
        refuse(ctx, Refusal{text::MOTHER_CANNOT_OPEN, {}});
        return;
    }
    if (const std::optional<Refusal> problem = findProblem(*facts)) {
        std::fclose(facts->stream);
        refuse(ctx, *problem);
        return;
    }
    commit(ctx.state, *facts);
    showDuration(ctx, facts->dataSize);
}
