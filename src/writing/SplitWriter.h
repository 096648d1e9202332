// Carries out a split plan: every Child written as a complete WAV file, its header followed by its
// slice of the Mother, copied unchanged. The writer knows nothing of who shows what: it tells a
// listener what it does and returns how it ended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "writing/SplitFiles.h"
#include "planning/SplitPlan.h"
#include "writing/SplitStopRequest.h"

// What the writer tells while it works, Child by Child, in this order.
class SplitListener {
public:
    virtual ~SplitListener() = default;
    virtual void childStarted(const PlannedChild&) {}  // before its file is made
    virtual void childCreated(const PlannedChild&) {}  // its file is open; its header comes next
    // Sample bytes of the Child copied so far, after each transfer.
    virtual void bytesCopied(const PlannedChild&, std::uint64_t) {}
    virtual void samplesCopied(const PlannedChild&) {}  // every sample byte in, before the close
    virtual void childFinished(const PlannedChild&) {}  // complete on disk
    // A resumed split found the Child whole under its name and left it as it was; nothing else is
    // told of that Child.
    virtual void childKept(const PlannedChild&) {}
};

// How the writer goes about the plan, beside what the plan makes.
struct WriteChoice {
    // A file under a Child's name with the very header and length the plan gives it is that Child,
    // written whole by an earlier run (Children appear whole or not at all): it is kept untouched.
    bool resume = false;
    // Every Child forced onto the disk before its rename, and its folder after it, so that after a
    // power cut a file under a Child's name is whole.
    bool sync = false;
};

// Why a split stopped.
enum class SplitStop {
    None,              // finished: every Child of the plan is complete on disk
    MotherCannotOpen,  // the Mother cannot be opened for reading
    MotherChanged,     // the Mother no longer has the length and data chunk it was planned with
    MotherCannotSeek,  // the Mother cannot be read from the first Child's samples on
    MotherEndedEarly,  // the Mother delivered fewer sample bytes than a Child needs
    ChildIsMother,     // a Child's name leads to the Mother's own file
    ChildMayBeMother,  // the file system cannot tell whether it does
    ChildCannotCreate,
    ChildCannotWrite,  // a write, flush, close or the rename of the Child failed
    Stopped,           // asked to stop from outside (Ctrl+C, a signal, the session ending, the window closing)
};

struct SplitOutcome {
    SplitStop stop = SplitStop::None;
    int cause = 0;                       // the runtime's errno for the failing step; 0 when unknown
    std::optional<std::size_t> childAt;  // index in the plan's Children of the one it stopped at
    std::size_t childrenKept = 0;        // complete Children on disk, the first ones of the plan
    std::size_t childrenResumed = 0;     // of those, the ones an earlier run wrote and this one kept
    // Whether the incomplete Child it stopped at was removed; none when no file had been made.
    std::optional<bool> childRemoved;
    std::uint64_t motherFileBytes = 0;  // MotherChanged: what the file holds now
    std::uint64_t motherDataSize = 0;
    std::uint64_t bytesAsked = 0;  // MotherEndedEarly: one transfer's bytes asked and read
    std::uint64_t bytesRead = 0;

    bool finished() const { return stop == SplitStop::None; }
};

// The bytes move from the Mother to a Child in transfers of up to this size, or of one block
// when blocks are larger: few large requests to the disk, one buffer for the whole split.
inline constexpr std::uint32_t TRANSFER_BYTES = 1024 * 1024;

// A Child of fewer sample bytes than this passes the process even where the system could copy
// it: the header must reach the file before such a copy, one request more per Child, which many
// small Children would pay more for than the copy saves.
inline constexpr std::uint32_t SYSTEM_COPY_LEAST_BYTES = 64 * 1024;

// Writes the plan through the file layer. Each Child is written under a temporary name in its own
// folder (see TemporaryChild.h), flushed and closed, then renamed to its name in one step, so a
// Child appears whole or not at all; the leftovers of killed runs of the same stem go first. A
// split that cannot go on, or is asked to stop, writes nothing more, closes both files and leaves
// only complete Children: the temporary file of the Child it stopped at is removed.
SplitOutcome writeSplit(const SplitPlan& plan, SplitFiles& files, SplitListener& listener);
SplitOutcome writeSplit(const SplitPlan& plan, SplitFiles& files, SplitListener& listener, SplitStopRequest& stop);
SplitOutcome writeSplit(const SplitPlan& plan, SplitFiles& files, SplitListener& listener, SplitStopRequest& stop,
                        const WriteChoice& choice);

// What a dry run can know without writing: the Mother unchanged, and the first Child whose name
// leads to it. Nothing is created; the outcome's childAt names that Child.
SplitOutcome checkSplit(const SplitPlan& plan, SplitFiles& files);
