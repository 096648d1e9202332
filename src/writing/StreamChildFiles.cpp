#include "writing/StreamChildFiles.h"

#include <algorithm>
#include <cerrno>

#include "writing/TemporaryChild.h"

namespace {

// The bytes move between and within the Children's files in steps of up to this size.
constexpr std::size_t MOVE_BYTES = 1024 * 1024;

}  // namespace

StreamChildFiles::StreamChildFiles(const SplitPlan& plan, StreamFiles& files, const std::string& motherFile)
    : plan_(plan), files_(files), motherFile_(motherFile), runFolder_(runFolderOf(plan.stem, markOfThisRun()))
{
}

bool StreamChildFiles::failed(SplitStop why, int cause, const OpenChild& open)
{
    fault_ = {why, cause, &open};
    return false;
}

// Where a Child's name must not lead: the file standard input reads. A pipe is no file a name
// leads to; the run's own folder stands in for it, which no Child's name leads to, so an old
// Child of that name is replaced as in a split of a file.
const std::string& StreamChildFiles::motherStandIn() const { return motherFile_.empty() ? runFolder_ : motherFile_; }

bool StreamChildFiles::create(OpenChild& open)
{
    if (!runFolderMade_) {
        errno = 0;
        if (!files_.makeFolder(runFolder_)) {
            return failed(SplitStop::ChildCannotCreate, errno, open);
        }
        runFolderMade_ = true;
    }
    open.name = childName(plan_, open.child);
    if (namedByClock(plan_) && !files_.makeFoldersFor(open.name)) {
        return failed(SplitStop::ChildCannotCreate, errno, open);
    }
    const std::string temporary = temporaryNameOf(runFolder_, open.name);
    errno = 0;
    const ChildCreation created = files_.createChild(open.name, motherStandIn(), temporary);
    switch (created.mother) {
    case Sameness::Same: return failed(SplitStop::ChildIsMother, 0, open);
    case Sameness::Unknown: return failed(SplitStop::ChildMayBeMother, 0, open);
    case Sameness::Different: break;
    }
    if (created.stream == nullptr) {
        return failed(SplitStop::ChildCannotCreate, errno, open);
    }
    open.stream = created.stream;
    open.temporary = temporary;
    // The header for the frames planned: a Child that gets them all needs no other.
    const std::vector<std::uint8_t> header = childFileHeader(plan_, open.child);
    open.headerBytes = header.size();
    open.child.sampleBytes = 0;
    return write(open, header.data(), header.size());
}

bool StreamChildFiles::write(OpenChild& open, const void* from, std::size_t bytes)
{
    errno = 0;
    if (files_.write(open.stream, from, bytes) != bytes) {
        return failed(SplitStop::ChildCannotWrite, errno, open);
    }
    open.fileBytes += bytes;
    return true;
}

// Inside the system where the file layer can, otherwise through the copy buffer.
bool StreamChildFiles::moveTail(OpenChild& first, OpenChild& next, std::uint64_t from)
{
    const std::uint64_t bytes = first.child.sampleBytes - from;
    const std::uint64_t at = first.headerBytes + from;
    first.child.sampleBytes = from;
    errno = 0;
    if (bytes == 0) {
        return true;
    }
    if (!files_.flush(first.stream)) {
        return failed(SplitStop::ChildCannotWrite, errno, first);
    }
    for (std::uint64_t moved = 0; moved < bytes;) {
        const auto step = static_cast<std::size_t>(std::min<std::uint64_t>(bytes - moved, MOVE_BYTES));
        const SystemCopy copied =
            systemCopy_ ? files_.copyInSystem(first.stream, at + moved, next.stream, step) : SystemCopy{};
        if (!copied.possible) {
            systemCopy_ = false;
            if (!copyThrough(first, at + moved, next, step)) {
                return false;
            }
        } else if (copied.error != 0 || copied.copied != step) {
            return failed(SplitStop::ChildCannotWrite, copied.error, next);
        } else {
            next.fileBytes += step;
        }
        moved += step;
    }
    next.child.sampleBytes += bytes;
    return true;
}

bool StreamChildFiles::copyThrough(OpenChild& first, std::uint64_t at, OpenChild& next, std::size_t bytes)
{
    copyBuffer_.resize(MOVE_BYTES);
    errno = 0;
    if (!files_.seek(first.stream, at) || files_.read(first.stream, copyBuffer_.data(), bytes) != bytes) {
        return failed(SplitStop::ChildCannotWrite, errno, first);
    }
    return write(next, copyBuffer_.data(), bytes);
}

// Back to front when the header grows, front to back when it shrinks, so that no sample is
// written over before it is read.
bool StreamChildFiles::moveSamples(OpenChild& open, std::uint64_t headerBytes)
{
    copyBuffer_.resize(MOVE_BYTES);
    const std::uint64_t samples = open.child.sampleBytes;
    const bool grows = headerBytes > open.headerBytes;
    for (std::uint64_t done = 0; done < samples;) {
        const auto step = static_cast<std::size_t>(std::min<std::uint64_t>(samples - done, MOVE_BYTES));
        const std::uint64_t offset = grows ? samples - done - step : done;
        errno = 0;
        if (!files_.seek(open.stream, open.headerBytes + offset) ||
            files_.read(open.stream, copyBuffer_.data(), step) != step ||
            !files_.seek(open.stream, headerBytes + offset) ||
            files_.write(open.stream, copyBuffer_.data(), step) != step) {
            return failed(SplitStop::ChildCannotWrite, errno, open);
        }
        done += step;
    }
    open.fileBytes = std::max(open.fileBytes, headerBytes + samples);
    open.headerBytes = headerBytes;
    return true;
}

// The header made again for the frames the Child got, over the first (the samples moved when
// its size differs: more markers fall inside, or the Child is 4 GiB or more after all); then,
// as the file writer closes a Child, every byte out and checked, the file closed, cut to the
// Child's length and renamed.
bool StreamChildFiles::finish(OpenChild& open)
{
    if (!open.kept) {
        remove(open);
        return true;
    }
    const std::vector<std::uint8_t> header = childFileHeader(plan_, open.child);
    if (header.size() != open.headerBytes && !moveSamples(open, header.size())) {
        return false;
    }
    errno = 0;
    if (!files_.seek(open.stream, 0) || files_.write(open.stream, header.data(), header.size()) != header.size()) {
        return failed(SplitStop::ChildCannotWrite, errno, open);
    }
    if (!close(open)) {
        return false;
    }
    const std::uint64_t length = header.size() + open.child.sampleBytes;
    errno = 0;
    if (open.fileBytes != length && !files_.resize(open.temporary, length)) {
        return failed(SplitStop::ChildCannotWrite, errno, open);
    }
    const ChildPlacement placed = files_.place(open.temporary, open.name, motherStandIn());
    switch (placed.mother) {
    case Sameness::Same: return failed(SplitStop::ChildIsMother, 0, open);
    case Sameness::Unknown: return failed(SplitStop::ChildMayBeMother, 0, open);
    case Sameness::Different: break;
    }
    if (!placed.placed) {
        return failed(SplitStop::ChildCannotWrite, placed.error, open);
    }
    open.temporary.clear();
    return true;
}

// As the file writer closes a Child: a close can report success although its last write failed.
bool StreamChildFiles::close(OpenChild& open)
{
    std::FILE* stream = open.stream;
    open.stream = nullptr;
    errno = 0;
    const bool flushed = files_.flush(stream);
    int error = errno;
    const bool clean = !files_.hasError(stream);
    errno = 0;
    const bool closed = files_.close(stream);
    if (error == 0) {
        error = errno;
    }
    if (!flushed || !clean || !closed) {
        return failed(SplitStop::ChildCannotWrite, error, open);
    }
    return true;
}

bool StreamChildFiles::remove(OpenChild& open)
{
    if (open.stream != nullptr) {
        files_.close(open.stream);
        open.stream = nullptr;
    }
    const bool removed = open.temporary.empty() || files_.remove(open.temporary);
    open.temporary.clear();
    return removed;
}

void StreamChildFiles::removeFolder()
{
    if (runFolderMade_) {
        files_.removeFolder(runFolder_);
        runFolderMade_ = false;
    }
}
