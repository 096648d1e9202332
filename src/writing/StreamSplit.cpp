#include "writing/StreamSplit.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <list>

#include "writing/StreamChildFiles.h"
#include "writing/TemporaryChild.h"

namespace {

// Wraps instead of overflowing, as the numbers of a plan do.
std::int32_t after(std::int32_t number) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(number) + 1u); }

class StreamWriter {
public:
    StreamWriter(const SplitPlan& plan, const StreamJob& job, StreamRule& rule, const StreamSource& source,
                 StreamFiles& files, SplitListener& listener, SplitStopRequest& stop)
        : plan_(plan), job_(job), rule_(rule), source_(source), listener_(listener), stop_(stop),
          frameBytes_(plan.frameBytes), children_(plan, files, job.motherFile)
    {
    }

    StreamOutcome run()
    {
        if (frameBytes_ == 0) {
            return outcome_;
        }
        removeLeftovers(plan_.stem);
        next_ = rule_.nextChild();
        if (readAll() && finishAll() && stopped_) {
            failed(SplitStop::Stopped, 0, nullptr);
        }
        cleanUp();
        return outcome_;
    }

private:
    SplitOutcome& split() { return outcome_.split; }

    // The first failure is the one told; the Child it names, when there is one.
    bool failed(SplitStop why, int cause, const OpenChild* child)
    {
        if (split().stop == SplitStop::None) {
            split().stop = why;
            split().cause = cause;
            if (child != nullptr) {
                outcome_.child = child->child;
                // The bytes it was to have, where its rule knows them.
                if (child->end) {
                    outcome_.child->sampleBytes =
                        (*child->end - (child->child.firstByte - plan_.mother.dataAt) / frameBytes_) * frameBytes_;
                }
            }
        }
        return false;
    }

    // A step on a Child's file failed: as the files tell it.
    bool filesFailed()
    {
        const ChildFault& fault = children_.fault();
        return failed(fault.stop, fault.cause, fault.child);
    }

    bool stopAsked()
    {
        if (stop_.poll) {
            stop_.poll();
        }
        stopped_ = stopped_ || stop_.requested();
        return stopped_;
    }

    // Blocks of the stream, in whole frames; the bytes of a frame cut by a block wait for the
    // next one, and those after the last whole frame are only counted. Where the bytes can go
    // straight into the one Child being written, they do, from its first frame on: that frame
    // comes through the process, so that a Child is made only once a frame of it has arrived.
    bool readAll()
    {
        buffer_.resize(STREAM_READ_BYTES + frameBytes_);
        std::size_t carried = 0;
        std::uint64_t left = job_.sampleBytes.value_or(std::numeric_limits<std::uint64_t>::max());
        bool ended = false;
        while (left > 0 && !ended && !stopAsked()) {
            if (carried == 0 && moveDue()) {
                if (!moveIn(left, ended)) {
                    return false;
                }
                continue;
            }
            std::uint64_t room = std::min<std::uint64_t>(STREAM_READ_BYTES, left);
            if (carried == 0 && movable() && open_.empty() && next_ && next_->firstFrame == written_) {
                room = std::min<std::uint64_t>(room, frameBytes_);
            }
            const StreamRead read = source_(buffer_.data() + carried, static_cast<std::size_t>(room));
            if (read.bytes == 0) {
                if (read.ended || read.error != 0) {
                    outcome_.readError = read.error;
                    break;
                }
                continue;
            }
            left -= read.bytes;
            const std::size_t bytes = carried + read.bytes;
            const std::uint64_t whole = bytes / frameBytes_;
            if (whole > 0 && !feed(buffer_.data(), whole)) {
                return false;
            }
            carried = bytes - static_cast<std::size_t>(whole * frameBytes_);
            std::memmove(buffer_.data(), buffer_.data() + whole * frameBytes_, carried);
        }
        outcome_.tailBytes = carried + movedPart_;
        return true;
    }

    bool movable() const { return moving_ && job_.move && !rule_.looksAtFrames(); }

    // One Child being written, none to begin before it ends: its bytes need not be seen.
    bool moveDue() const
    {
        if (!movable() || open_.size() != 1) {
            return false;
        }
        const OpenChild& open = open_.front();
        return open.end ? !next_ || next_->firstFrame >= *open.end : !next_;
    }

    // Bytes straight into the Child, up to its end; a frame they cut is finished by the next move.
    bool moveIn(std::uint64_t& left, bool& ended)
    {
        OpenChild& open = open_.front();
        std::uint64_t most = std::min<std::uint64_t>(STREAM_READ_BYTES, left);
        if (open.end) {
            most = std::min<std::uint64_t>(most, (*open.end - written_) * frameBytes_ - movedPart_);
        }
        const StreamMoved moved = job_.move(open.stream, static_cast<std::size_t>(most));
        if (!moved.possible) {
            moving_ = false;
            return true;
        }
        if (moved.read.error != 0) {
            return failed(SplitStop::ChildCannotWrite, moved.read.error, &open);
        }
        ended = moved.read.ended;
        const std::size_t bytes = moved.read.bytes;
        left -= bytes;
        open.fileBytes += bytes;
        const std::uint64_t frames = (movedPart_ + bytes) / frameBytes_;
        movedPart_ = static_cast<std::size_t>((movedPart_ + bytes) % frameBytes_);
        open.child.sampleBytes += frames * frameBytes_;
        written_ += frames;
        outcome_.frames += frames;
        if (frames > 0 && open.kept) {
            listener_.bytesCopied(open.child, open.child.sampleBytes);
        }
        return endDue();
    }

    bool feed(const std::uint8_t* block, std::uint64_t frames)
    {
        const std::uint64_t first = outcome_.frames;
        for (const std::uint64_t cut : rule_.look(block, first, frames)) {
            if (!writeUpTo(block, first, cut) || !cutAt(cut)) {
                return false;
            }
        }
        if (!writeUpTo(block, first, first + frames)) {
            return false;
        }
        outcome_.frames = first + frames;
        return true;
    }

    // The block's frames up to frame `to` into every Child they belong to, beginning and ending
    // Children at their frames; frames of no Child (before --from, between regions) go nowhere.
    bool writeUpTo(const std::uint8_t* block, std::uint64_t blockFirst, std::uint64_t to)
    {
        while (written_ < to) {
            if (!beginDue()) {
                return false;
            }
            std::uint64_t stop = to;
            if (next_) {
                stop = std::min(stop, next_->firstFrame);
            }
            for (const OpenChild& open : open_) {
                stop = open.end ? std::min(stop, *open.end) : stop;
            }
            const std::uint8_t* from = block + (written_ - blockFirst) * frameBytes_;
            const auto bytes = static_cast<std::size_t>((stop - written_) * frameBytes_);
            for (OpenChild& open : open_) {
                if (!writeSamples(open, from, bytes)) {
                    return false;
                }
            }
            written_ = stop;
            if (!endDue()) {
                return false;
            }
        }
        return true;
    }

    bool beginDue()
    {
        while (next_ && next_->firstFrame <= written_) {
            const StreamChild child = std::move(*next_);
            next_ = rule_.nextChild();
            if ((child.frames && *child.frames == 0) || !begin(child)) {
                if (split().stop != SplitStop::None) {
                    return false;
                }
            }
        }
        return true;
    }

    bool endDue()
    {
        for (auto open = open_.begin(); open != open_.end();) {
            if (open->end && *open->end == written_) {
                if (!finish(*open)) {
                    return false;
                }
                open = open_.erase(open);
            } else {
                ++open;
            }
        }
        return true;
    }

    bool begin(const StreamChild& planned)
    {
        OpenChild open;
        open.child.number = planned.number;
        open.child.firstByte = plan_.mother.dataAt + planned.firstFrame * frameBytes_;
        open.child.title = planned.title;
        if (plan_.clock && !plan_.clock->pattern.empty() && (job_.from <= 0 || planned.number >= job_.from)) {
            open.child.title = clockNames_.next(*plan_.clock, planned.number, planned.firstFrame, plan_.digits);
        }
        // A length past what 64 bits count in bytes is no end: the Child ends with the stream.
        const std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
        if (planned.frames && *planned.frames <= (most - plan_.mother.dataAt) / frameBytes_ - planned.firstFrame) {
            open.end = planned.firstFrame + *planned.frames;
            open.child.sampleBytes = *planned.frames * frameBytes_;
        }
        open.kept = job_.from <= 0 || planned.number >= job_.from;
        if (open.kept) {
            listener_.childStarted(open.child);
        }
        open_.push_back(std::move(open));
        OpenChild& begun = open_.back();
        if (!children_.create(begun)) {
            return filesFailed();
        }
        if (begun.kept) {
            listener_.childCreated(begun.child);
        }
        return true;
    }

    bool writeSamples(OpenChild& open, const std::uint8_t* from, std::size_t bytes)
    {
        if (bytes == 0) {
            return true;
        }
        if (!children_.write(open, from, bytes)) {
            return filesFailed();
        }
        open.child.sampleBytes += bytes;
        if (open.kept) {
            listener_.bytesCopied(open.child, open.child.sampleBytes);
        }
        return true;
    }

    // The Child being written without a known end ends at the cut; the next one begins there,
    // with the frames from the cut on that the first one holds.
    bool cutAt(std::uint64_t cut)
    {
        const auto last = std::find_if(open_.rbegin(), open_.rend(), [](const OpenChild& open) { return !open.end; });
        if (last == open_.rend()) {
            return true;
        }
        // As a forward iterator, which the next Child added after it leaves where it is.
        const auto cutOne = std::next(last).base();
        OpenChild& before = *cutOne;
        const std::uint64_t firstFrame = (before.child.firstByte - plan_.mother.dataAt) / frameBytes_;
        const std::uint64_t kept = (cut - firstFrame) * frameBytes_;
        if (!begin({after(before.child.number), cut, std::nullopt, {}})) {
            return false;
        }
        OpenChild& next = open_.back();
        if (!children_.moveTail(before, next, kept)) {
            return filesFailed();
        }
        if (next.kept) {
            listener_.bytesCopied(next.child, next.child.sampleBytes);
        }
        if (!finish(before)) {
            return false;
        }
        open_.erase(cutOne);
        return true;
    }

    bool finish(OpenChild& open)
    {
        if (open.kept) {
            listener_.samplesCopied(open.child);
        }
        if (!children_.finish(open)) {
            return filesFailed();
        }
        if (open.kept) {
            ++split().childrenKept;
            listener_.childFinished(open.child);
        }
        return true;
    }

    // The stream's end, or a stop: the rule's last cuts, then every Child being written finished
    // with the frames it got.
    bool finishAll()
    {
        for (const std::uint64_t cut : rule_.ended(outcome_.frames)) {
            if (!cutAt(cut)) {
                return false;
            }
        }
        while (!open_.empty()) {
            if (!finish(open_.front())) {
                return false;
            }
            open_.pop_front();
        }
        return true;
    }

    // After a failure: every Child still being written is incomplete and goes; what the stream
    // held from the first of them on is lost.
    void cleanUp()
    {
        std::optional<std::uint64_t> lostFrom;
        for (OpenChild& open : open_) {
            const bool made = !open.temporary.empty();
            const bool removed = children_.remove(open);
            if (made) {
                split().childRemoved = split().childRemoved.value_or(true) && removed;
            }
            if (open.kept) {
                const std::uint64_t first = (open.child.firstByte - plan_.mother.dataAt) / frameBytes_;
                lostFrom = std::min(lostFrom.value_or(first), first);
            }
        }
        open_.clear();
        outcome_.lostFrom = lostFrom.value_or(written_);
        children_.removeFolder();
    }

    const SplitPlan& plan_;
    const StreamJob& job_;
    StreamRule& rule_;
    const StreamSource& source_;
    SplitListener& listener_;
    SplitStopRequest& stop_;
    const std::uint64_t frameBytes_;
    StreamChildFiles children_;
    StreamOutcome outcome_;
    std::optional<StreamChild> next_;
    ClockNames clockNames_;      // the names given so far, when the clock names the Children
    std::list<OpenChild> open_;  // in the order they began; a list, so that each stays where it is
    std::uint64_t written_ = 0;  // frames handed to the Children (or passed over) so far
    bool stopped_ = false;
    bool moving_ = true;                // until the system says it cannot move the stream's bytes
    std::size_t movedPart_ = 0;         // bytes of a frame moved into the Child beyond its whole frames
    std::vector<std::uint8_t> buffer_;  // the block read
};

}  // namespace

StreamOutcome writeStream(const SplitPlan& plan, const StreamJob& job, StreamRule& rule, const StreamSource& source,
                          StreamFiles& files, SplitListener& listener, SplitStopRequest& stop)
{
    return StreamWriter(plan, job, rule, source, files, listener, stop).run();
}
