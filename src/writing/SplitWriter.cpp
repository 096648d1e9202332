#include "writing/SplitWriter.h"

#include <cerrno>
#include <optional>
#include <vector>

#include "core/FileIo.h"
#include "writing/TemporaryChild.h"
#include "wav/WavChunks.h"

namespace {

// The folder a Child's path names, "" for the current one.
std::string folderOf(const std::string& path)
{
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut == 0 ? 1 : cut);
}

// The working values of one split; none of them outlives it.
class Writer {
public:
    Writer(const SplitPlan& plan, SplitFiles& files, SplitListener& listener, SplitStopRequest& stop,
           const WriteChoice& choice = {})
        : plan_(plan), files_(files), listener_(listener), stop_(stop), choice_(choice)
    {
    }

    SplitOutcome run()
    {
        stop_.abandon = [this] { abandonChild(); };
        if (openMother() && removeLeftovers() && seekToFirstChild()) {
            for (std::size_t i = 0; i < plan_.children.size() && writeChild(i); ++i) {
            }
        }
        return finish();
    }

    SplitOutcome finish()
    {
        cleanUp();
        stop_.abandon = nullptr;
        return outcome_;
    }

    // The Mother opened afresh, and still the file that was planned with, or the stop that says
    // why not; the stream stays open only when it is that file.
    bool openMother()
    {
        const MotherSource& mother = plan_.mother;
        errno = 0;
        motherStream_ = files_.openMother(mother.path);
        if (motherStream_ == nullptr) {
            return stop(SplitStop::MotherCannotOpen, errno);
        }
        const std::optional<std::uint64_t> fileBytes = streamLength(motherStream_);
        const WavLayout layout = fileBytes ? readWavLayout(motherStream_, *fileBytes) : WavLayout{};
        const ChunkPlace data = layout.data.value_or(ChunkPlace{});
        if (!fileBytes || *fileBytes != mother.fileBytes || !layout.data || data.bodyAt != mother.dataAt ||
            layout.dataBytes != mother.dataChunkBytes) {
            files_.close(motherStream_);
            motherStream_ = nullptr;
            outcome_.motherFileBytes = fileBytes.value_or(0);
            outcome_.motherDataSize = layout.dataBytes;
            return stop(SplitStop::MotherChanged, 0);
        }
        return true;
    }

private:
    bool stop(SplitStop why, int cause)
    {
        if (outcome_.stop == SplitStop::None) {
            outcome_.stop = why;
            outcome_.cause = cause;
        }
        return false;
    }

    // Whether the split was asked to stop; the request's own poll runs first, so that a window
    // answers what it was sent meanwhile.
    bool stopAsked()
    {
        if (stop_.poll) {
            stop_.poll();
        }
        if (!stop_.requested()) {
            return false;
        }
        stop(SplitStop::Stopped, 0);
        return true;
    }

    // The temporary files of killed runs of this stem: not Children, and in the way of no one.
    bool removeLeftovers()
    {
        ::removeLeftovers(plan_.stem);
        return true;
    }

    bool seekToFirstChild()
    {
        if (plan_.children.empty()) {
            return true;
        }
        errno = 0;
        if (!files_.seek(motherStream_, plan_.children.front().firstByte)) {
            return stop(SplitStop::MotherCannotSeek, errno);
        }
        streamAt_ = plan_.children.front().firstByte;
        return true;
    }

    // Names the Child and creates its file, never over the Mother itself.
    bool createChild(const PlannedChild& child)
    {
        errno = 0;
        childName_ = childName(plan_, child);
        if (!runFolderMade_) {
            if (!files_.makeFolder(runFolder_)) {
                return stop(SplitStop::ChildCannotCreate, errno);
            }
            runFolderMade_ = true;
        }
        if (namedByClock(plan_) && !files_.makeFoldersFor(childName_)) {
            return stop(SplitStop::ChildCannotCreate, errno);
        }
        temporaryName_ = temporaryNameOf(runFolder_, childName_);
        const ChildCreation created = files_.createChild(childName_, plan_.mother.path, temporaryName_);
        switch (created.mother) {
        case Sameness::Same: return stop(SplitStop::ChildIsMother, 0);
        case Sameness::Unknown: return stop(SplitStop::ChildMayBeMother, 0);
        case Sameness::Different: break;
        }
        if (created.stream == nullptr) {
            return stop(SplitStop::ChildCannotCreate, errno);
        }
        childStream_ = created.stream;
        childCreated_ = true;
        return true;
    }

    bool write(const void* from, std::size_t bytes)
    {
        errno = 0;
        if (files_.write(childStream_, from, bytes) != bytes) {
            return stop(SplitStop::ChildCannotWrite, errno);
        }
        return true;
    }

    // Bytes from the Mother into the Child in transfers of up to the buffer's size; what the
    // Mother cannot deliver whole, or the Child cannot take whole, ends the split rather than
    // leaving a Child shorter than its header says. A Child of many bytes is copied inside the
    // system where the file layer can; a small one passes the process, whose stream buffers
    // gather many small Children into few requests.
    bool copySamples(const PlannedChild& child)
    {
        motherAt_ = child.firstByte;
        const std::size_t step = plan_.blockBytes > TRANSFER_BYTES ? plan_.blockBytes : TRANSFER_BYTES;
        bool inSystem = systemCopy_ && child.sampleBytes >= SYSTEM_COPY_LEAST_BYTES;
        std::uint64_t copied = 0;
        while (copied < child.sampleBytes) {
            const std::uint64_t left = child.sampleBytes - copied;
            const std::size_t bytes = left < step ? static_cast<std::size_t>(left) : step;
            if (inSystem && !copyInSystem(bytes, inSystem)) {
                return false;
            }
            if (!inSystem && !copyThroughBuffer(bytes, step)) {
                return false;
            }
            copied += bytes;
            listener_.bytesCopied(child, copied);
            if (stopAsked()) {
                return false;
            }
        }
        return true;
    }

    // The next bytes through the process, from where the Mother's stream is put first if a copy
    // inside the system or a gap in the plan left it elsewhere.
    bool copyThroughBuffer(std::size_t bytes, std::size_t step)
    {
        if (streamAt_ != motherAt_) {
            errno = 0;
            if (!files_.seek(motherStream_, motherAt_)) {
                return stop(SplitStop::MotherCannotSeek, errno);
            }
            streamAt_ = motherAt_;
        }
        if (buffer_.empty()) {
            buffer_.resize(step);
        }
        const std::size_t got = files_.read(motherStream_, buffer_.data(), bytes);
        streamAt_ += got;
        motherAt_ += got;
        if (got != bytes) {
            outcome_.bytesAsked = bytes;
            outcome_.bytesRead = got;
            return stop(SplitStop::MotherEndedEarly, 0);
        }
        return write(buffer_.data(), got);
    }

    // The next bytes copied inside the system, as far as the file layer can; where it cannot,
    // inSystem turns false and these and all later bytes pass the process.
    bool copyInSystem(std::size_t bytes, bool& inSystem)
    {
        const SystemCopy done = files_.copyInSystem(motherStream_, motherAt_, childStream_, bytes);
        if (!done.possible) {
            systemCopy_ = false;
            inSystem = false;
            return true;
        }
        motherAt_ += done.copied;
        if (done.error != 0) {
            return stop(SplitStop::ChildCannotWrite, done.error);
        }
        if (done.copied != bytes) {
            outcome_.bytesAsked = bytes;
            outcome_.bytesRead = done.copied;
            return stop(SplitStop::MotherEndedEarly, 0);
        }
        return true;
    }

    // A Child is done only when every byte of it has reached the file: what is still buffered is
    // written out and the stream's error state checked before the close, because a close can report
    // success although its last write failed. The flush's cause is the one kept when it has one.
    // The Child is closed in any case, so that it can be removed.
    bool closeChild()
    {
        std::FILE* stream = childStream_;
        childStream_ = nullptr;
        errno = 0;
        const bool flushed = files_.flush(stream);
        int error = errno;
        const bool clean = !files_.hasError(stream);
        errno = 0;
        const bool synced = !flushed || !clean || !choice_.sync || files_.syncToDisk(stream);
        if (error == 0) {
            error = errno;
        }
        errno = 0;
        const bool closed = files_.close(stream);
        if (error == 0) {
            error = errno;
        }
        if (!flushed || !clean || !synced || !closed) {
            return stop(SplitStop::ChildCannotWrite, error);
        }
        return true;
    }

    // The whole, closed Child takes its name in one step; its name is checked against the Mother
    // once more, as it is the name that counts.
    bool placeChild()
    {
        const ChildPlacement placed = files_.place(temporaryName_, childName_, plan_.mother.path);
        switch (placed.mother) {
        case Sameness::Same: return stop(SplitStop::ChildIsMother, 0);
        case Sameness::Unknown: return stop(SplitStop::ChildMayBeMother, 0);
        case Sameness::Different: break;
        }
        if (!placed.placed) {
            return stop(SplitStop::ChildCannotWrite, placed.error);
        }
        childCreated_ = false;
        if (choice_.sync && !files_.syncFolder(folderOf(childName_))) {
            return stop(SplitStop::ChildCannotWrite, errno);
        }
        return true;
    }

    // A Child an earlier run left whole under its name, never the Mother however alike they are.
    bool keptFromEarlierRun(const PlannedChild& child)
    {
        if (!choice_.resume) {
            return false;
        }
        if (!motherKeyRead_) {
            motherKey_ = files_.keyOf(plan_.mother.path);
            motherKeyRead_ = true;
        }
        if (!motherKey_) {
            return false;  // a Mother that cannot be told apart keeps nothing: every Child is written
        }
        const std::vector<std::uint8_t> header = childFileHeader(plan_, child);
        return files_.holds(childName(plan_, child), header, header.size() + child.sampleBytes, *motherKey_);
    }

    // Only for a caller that ends the process without returning here.
    void abandonChild()
    {
        if (childStream_ != nullptr) {
            files_.close(childStream_);
            childStream_ = nullptr;
        }
        if (childCreated_) {
            files_.remove(temporaryName_);
            childCreated_ = false;
        }
        if (runFolderMade_) {
            files_.removeFolder(runFolder_);
            runFolderMade_ = false;
        }
    }

    bool writeChild(std::size_t index)
    {
        const PlannedChild& child = plan_.children[index];
        outcome_.childAt = index;
        if (keptFromEarlierRun(child)) {
            ++outcome_.childrenKept;
            ++outcome_.childrenResumed;
            listener_.childKept(child);
            return !stopAsked();
        }
        listener_.childStarted(child);
        if (stopAsked() || !createChild(child)) {
            return false;
        }
        listener_.childCreated(child);
        const std::vector<std::uint8_t> header = childFileHeader(plan_, child);
        if (!write(header.data(), header.size()) || !copySamples(child)) {
            return false;
        }
        listener_.samplesCopied(child);
        if (stopAsked() || !closeChild() || stopAsked() || !placeChild()) {
            return false;
        }
        ++outcome_.childrenKept;
        listener_.childFinished(child);
        return true;
    }

    // Both streams closed, and no incomplete Child left behind; the outcome says whether the
    // Child really went, so that a user never keeps a cut-off file unawares.
    void cleanUp()
    {
        if (childStream_ != nullptr) {
            files_.close(childStream_);
            childStream_ = nullptr;
        }
        if (childCreated_) {
            outcome_.childRemoved = files_.remove(temporaryName_);
            childCreated_ = false;
        }
        if (runFolderMade_) {
            files_.removeFolder(runFolder_);
            runFolderMade_ = false;
        }
        if (motherStream_ != nullptr) {
            files_.close(motherStream_);
            motherStream_ = nullptr;
        }
        if (outcome_.finished()) {
            outcome_.childAt.reset();
        }
    }

    const SplitPlan& plan_;
    SplitFiles& files_;
    SplitListener& listener_;
    SplitStopRequest& stop_;
    const WriteChoice choice_;
    std::optional<FileKey> motherKey_;  // looked at once, at the first Child a resumed split asks of
    bool motherKeyRead_ = false;
    SplitOutcome outcome_;
    std::FILE* motherStream_ = nullptr;
    std::uint64_t motherAt_ = 0;  // the next Mother byte the Child being written takes
    std::uint64_t streamAt_ = 0;  // where the Mother's stream stands, which a copy inside the system does not move
    std::FILE* childStream_ = nullptr;
    std::string childName_;                                             // of the Child being written
    std::string temporaryName_;                                         // what it is written under until it is whole
    std::string runFolder_ = runFolderOf(plan_.stem, markOfThisRun());  // where they are written
    bool runFolderMade_ = false;
    bool childCreated_ = false;         // the current Child's temporary file was made by this split
    bool systemCopy_ = true;            // until the file layer says it cannot copy inside the system
    std::vector<std::uint8_t> buffer_;  // bytes on their way from the Mother to a Child, when they pass the process
};

}  // namespace

SplitOutcome writeSplit(const SplitPlan& plan, SplitFiles& files, SplitListener& listener, SplitStopRequest& stop,
                        const WriteChoice& choice)
{
    return Writer(plan, files, listener, stop, choice).run();
}

SplitOutcome writeSplit(const SplitPlan& plan, SplitFiles& files, SplitListener& listener, SplitStopRequest& stop)
{
    return writeSplit(plan, files, listener, stop, WriteChoice{});
}

SplitOutcome writeSplit(const SplitPlan& plan, SplitFiles& files, SplitListener& listener)
{
    SplitStopRequest never;
    return writeSplit(plan, files, listener, never);
}

SplitOutcome checkSplit(const SplitPlan& plan, SplitFiles& files)
{
    SplitListener nobody;
    SplitStopRequest never;
    Writer writer(plan, files, nobody, never);
    SplitOutcome outcome;
    if (writer.openMother()) {
        for (std::size_t i = 0; i < plan.children.size(); ++i) {
            const Sameness sameness = compareFiles(childName(plan, plan.children[i]), plan.mother.path);
            if (sameness != Sameness::Different) {
                outcome.stop = sameness == Sameness::Same ? SplitStop::ChildIsMother : SplitStop::ChildMayBeMother;
                outcome.childAt = i;
                break;
            }
            ++outcome.childrenKept;
        }
    }
    SplitOutcome opened = writer.finish();
    return opened.finished() ? outcome : opened;
}
