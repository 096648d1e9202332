#include "split/SplitEngine.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "split/ChildNaming.h"
#include "split/SplitProgress.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "core/FileIo.h"
#include "wav/MotherFacts.h"
#include "wav/WavChunks.h"
#include "wav/WavHeader.h"

namespace {

struct Failure {
    const char* caption = nullptr;
    std::string text;
};

// The working values of one split; none of them outlives it.
struct SplitJob {
    SplitJob(AppState& s, SplitTools& t, const SplitTexts& x)
        : state(s), tools(t), texts(x), progress{t.surface, {s.thickGreyPen, s.thickRedPen, t.thickGreenPen}}
    {
    }

    AppState& state;
    SplitTools& tools;
    const SplitTexts& texts;
    SplitProgress progress;
    std::uint32_t blockBytes = 0;       // the copy block the progress is counted in
    std::vector<std::uint8_t> buffer;  // bytes on their way from the Mother to a Child
    std::uint64_t splitDoneBytes = 0;  // skipped pieces plus every full Child written
    std::uint32_t childDataBytes = 0;  // the sample bytes the current Child is to hold
    std::uint32_t childWrittenBytes = 0;
    std::FILE* childStream = nullptr;
    bool childCreated = false;  // the current Child's file was made by this split
    std::optional<Failure> failure;
};

std::string lastError() { return std::strerror(errno); }

std::string lines(std::initializer_list<std::string> parts)
{
    std::string joined;
    for (const std::string& part : parts) {
        if (!joined.empty()) {
            joined += '\n';
        }
        joined += part;
    }
    return joined;
}

void fail(SplitJob& job, const char* caption, std::string text)
{
    if (!job.failure) {
        job.failure = Failure{caption, std::move(text)};
    }
}

// Why a Child could not take its bytes. The runtime's cause is told only when it is one a write
// can have: after a failed flush some runtimes leave an unrelated value such as "Invalid argument",
// and a wrong cause is worse than what is known for sure.
std::string writeCause(int error)
{
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EIO:
    case EACCES:
    case EPERM:
    case EROFS:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return std::strerror(error);
    default:
        return text::CHILD_WRITE_CAUSE_UNKNOWN;
    }
}

// The Child being written could not take its bytes; error is the runtime's cause, or 0.
void failChildWrite(SplitJob& job, int error)
{
    fail(job, text::CHILD_CANNOT_WRITE,
         lines({job.state.childBaseName, writeCause(error)}) +
             numberLine(text::CHILD_BYTES_LABEL, WAV_HEADER_BYTES + job.childDataBytes));
}

void useCopyBuffer(SplitJob& job)
{
    // No block size at all means the default one, as the Buffer Size command has it.
    const std::uint32_t asked = job.state.copyBufferBytes == 0 ? COPY_BUFFER_CAPACITY : job.state.copyBufferBytes;
    job.blockBytes = asked < COPY_BLOCK_MAX ? asked : COPY_BLOCK_MAX;
    job.buffer.resize(job.blockBytes > TRANSFER_BYTES ? job.blockBytes : TRANSFER_BYTES);
}

// The split reads through a stream of its own, opened afresh, so that a second split or one after
// a waveform drawing works as the first; the file must still be the one that was loaded.
bool openMotherForSplit(SplitJob& job)
{
    AppState& state = job.state;
    closeMotherStream(state);
    std::FILE* stream = job.tools.files.openMother(state.motherPath);
    if (stream == nullptr) {
        fail(job, text::MOTHER_CANNOT_OPEN, lines({state.motherPath, lastError(), text::MOTHER_UNCHANGED}));
        return false;
    }
    const std::optional<std::uint64_t> fileBytes = streamLength(stream);
    const WavLayout layout = fileBytes ? readWavLayout(stream, *fileBytes) : WavLayout{};
    const ChunkPlace data = layout.data.value_or(ChunkPlace{});
    if (!fileBytes || *fileBytes != state.motherFileBytes || !layout.data || data.bodyAt != state.motherReadOffset ||
        data.size != state.motherDataBytes + MOTHER_DATA_MARGIN) {
        job.tools.files.close(stream);
        fail(job, text::MOTHER_CHANGED,
             state.motherPath + numberLine(text::FILE_BYTES_LABEL, fileBytes.value_or(0)) +
                 numberLine(text::DATA_SIZE_LABEL, data.size) + "\n" + text::LOAD_AGAIN);
        return false;
    }
    state.motherStream = stream;
    return true;
}

// Bytes from the Mother into the Child; what the Mother cannot deliver whole, or the Child cannot
// take whole, ends the split rather than leaving a Child shorter than its header says.
bool transfer(SplitJob& job, std::uint32_t bytes)
{
    SplitFiles& files = job.tools.files;
    const std::size_t got = files.read(job.state.motherStream, job.buffer.data(), bytes);
    if (got != bytes) {
        fail(job, text::MOTHER_ENDED_EARLY,
             lines({job.state.childBaseName, job.state.motherPath}) + numberLine(text::BYTES_ASKED_LABEL, bytes) +
                 numberLine(text::BYTES_GOT_LABEL, got));
        return false;
    }
    errno = 0;
    if (files.write(job.childStream, job.buffer.data(), got) != got) {
        failChildWrite(job, errno);
        return false;
    }
    job.childWrittenBytes += static_cast<std::uint32_t>(got);
    return true;
}

// Copies the next n sample bytes of the Mother into the Child. The progress is counted in copy
// blocks: one step at the end of every whole block, then the closing step. The bytes themselves
// travel in transfers of up to the buffer's size, so that a piece of many small blocks still
// reaches the disk in a few large requests; the steps are the same as block by block.
bool copyPiece(SplitJob& job, std::uint32_t n, bool withProgress)
{
    job.childWrittenBytes = 0;
    std::uint64_t blockEnd = job.blockBytes;
    while (job.childWrittenBytes < n) {
        const std::uint32_t left = n - job.childWrittenBytes;
        const auto bytes = static_cast<std::uint32_t>(left < job.buffer.size() ? left : job.buffer.size());
        if (!transfer(job, bytes)) {
            return false;
        }
        for (; withProgress && blockEnd <= job.childWrittenBytes; blockEnd += job.blockBytes) {
            childStep(job.progress, static_cast<std::uint32_t>(blockEnd), job.state.pieceBytes);
        }
    }
    if (withProgress) {
        childClosingStep(job.progress, job.childWrittenBytes, job.state.pieceBytes);
    }
    return true;
}

// Names the Child and creates its file, never over the Mother itself.
bool createChild(SplitJob& job)
{
    AppState& state = job.state;
    SplitFiles& files = job.tools.files;
    const ChildCreation child = files.createChild(state.childBaseName, state.motherPath);
    switch (child.mother) {
    case Sameness::Same:
        fail(job, text::CHILD_IS_MOTHER, lines({state.childBaseName, state.motherPath, text::MOTHER_UNCHANGED}));
        return false;
    case Sameness::Unknown:
        fail(job, text::CHILD_MAY_BE_MOTHER, lines({state.childBaseName, state.motherPath, text::MOTHER_UNCHANGED}));
        return false;
    case Sameness::Different:
        break;
    }
    job.childStream = child.stream;
    if (job.childStream == nullptr) {
        fail(job, text::CHILD_CANNOT_CREATE, lines({state.childBaseName, lastError()}));
        return false;
    }
    job.childCreated = true;
    return true;
}

bool writeHeader(SplitJob& job)
{
    const HeaderBytes& header = job.state.headerBuf;
    errno = 0;
    if (job.tools.files.write(job.childStream, header.data(), header.size()) != header.size()) {
        failChildWrite(job, errno);
        return false;
    }
    return true;
}

// A Child is done only when every byte of it has reached the file: what is still buffered is
// written out and the stream's error state checked before the close, because a close can report
// success although its last write failed. The Child is closed in any case, so that it can be removed.
bool closeChild(SplitJob& job)
{
    SplitFiles& files = job.tools.files;
    std::FILE* stream = job.childStream;
    job.childStream = nullptr;
    errno = 0;
    const bool flushed = files.flush(stream);
    int error = errno;
    const bool clean = !files.hasError(stream);
    errno = 0;
    const bool closed = files.close(stream);
    if (error == 0) {
        error = errno;
    }
    if (!flushed || !clean || !closed) {
        failChildWrite(job, error);
        return false;
    }
    job.childCreated = false;
    return true;
}

bool writeFullChild(SplitJob& job)
{
    AppState& state = job.state;
    nextChildName(state);
    job.childDataBytes = state.pieceBytes;
    resetChildTrack(job.progress);
    if (!createChild(job)) {
        return false;
    }
    drawChildName(job.progress, state.childBaseName);
    if (!writeHeader(job) || !copyPiece(job, state.pieceBytes, true) || !closeChild(job)) {
        return false;
    }
    job.splitDoneBytes += job.childWrittenBytes;
    totalStep(job.progress, job.splitDoneBytes, state.motherDataBytes, job.texts.afterEachChild);
    return true;
}

void writeShortChild(SplitJob& job)
{
    AppState& state = job.state;
    std::uint32_t lastPieceBytes = state.motherDataBytes - static_cast<std::uint32_t>(job.splitDoneBytes);
    if (state.cutMode == CutMode::Count) {
        // In how-many mode the remainder is not kept: its number and header sizes are taken as
        // for a Child, but no file is made, so an earlier file of that name stays as it was.
        writeHeaderSizes(state.headerBuf, lastPieceBytes);
        nextChildName(state);
        finalStep(job.progress, job.texts.finalText);
        return;
    }
    if (lastPieceBytes < LAST_PIECE_TRIM) {
        return;  // too little for a Child: no file and no number
    }
    lastPieceBytes -= LAST_PIECE_TRIM;
    writeHeaderSizes(state.headerBuf, lastPieceBytes);
    nextChildName(state);
    job.childDataBytes = lastPieceBytes;
    if (!createChild(job) || !writeHeader(job) || !copyPiece(job, lastPieceBytes, false)) {
        return;
    }
    finalStep(job.progress, job.texts.finalText);
    closeChild(job);
}

void writeChildren(SplitJob& job)
{
    AppState& state = job.state;
    std::uint64_t skip = 0;
    if (state.startPattern > 0) {
        state.childNumber = state.startPattern;
        // In 64 bits: a large start pattern must skip past the end, not wrap round to the start.
        skip = static_cast<std::uint64_t>(state.startPattern - 1) * state.pieceBytes;
    }
    if (skip < state.motherDataBytes && !job.tools.files.seek(state.motherStream, state.motherReadOffset + skip)) {
        fail(job, text::MOTHER_ENDED_EARLY, lines({state.motherPath, lastError(), text::MOTHER_UNCHANGED}));
        return;
    }
    job.splitDoneBytes = skip;
    writeHeaderSizes(state.headerBuf, state.pieceBytes);
    while (job.splitDoneBytes + state.pieceBytes <= state.motherDataBytes) {
        if (!writeFullChild(job)) {
            return;
        }
    }
    if (job.splitDoneBytes < state.motherDataBytes) {
        writeShortChild(job);
    }
}

// After a failure: both streams closed, and no incomplete Child left behind. The box says
// whether the Child really went, so that a user never keeps a cut-off file unawares.
void cleanUp(SplitJob& job)
{
    if (job.childStream != nullptr) {
        job.tools.files.close(job.childStream);
        job.childStream = nullptr;
    }
    if (job.childCreated) {
        const bool removed = job.tools.files.remove(job.state.childBaseName);
        job.childCreated = false;
        if (job.failure) {
            job.failure->text += std::string("\n") + (removed ? text::CHILD_REMOVED : text::CHILD_NOT_REMOVED);
        }
    }
}

void closeSplitMother(SplitJob& job)
{
    if (job.state.motherStream != nullptr) {
        job.tools.files.close(job.state.motherStream);
        job.state.motherStream = nullptr;
    }
}

}  // namespace

std::int64_t processMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void runSplit(AppState& state, SplitTools& tools, const SplitTexts& texts)
{
    SplitJob job(state, tools, texts);
    drawEmptyTracks(tools.surface, state.thickGreyPen);
    const std::int64_t startTicks = tools.clock();
    if (state.pieceBytes == 0) {
        showNotice(tools.ui, tools.dialog, text::NO_PIECE_LENGTH);
        return;  // without a piece length there is nothing to cut; the Mother stays as it is
    }
    useCopyBuffer(job);
    if (openMotherForSplit(job)) {
        writeChildren(job);
    }
    cleanUp(job);
    closeSplitMother(job);
    if (job.failure) {
        showText(tools.ui, tools.dialog, job.failure->caption, job.failure->text);
        return;
    }
    const double seconds = static_cast<double>(tools.clock() - startTicks) / 1000.0;
    showReal(tools.ui, tools.dialog, texts.timeCaption, seconds);
}
