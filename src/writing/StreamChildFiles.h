// The files of a stream's Children while they are written: each made under its temporary name
// in the run's folder (see TemporaryChild.h) with the header for the frames its rule plans, its
// samples appended as they arrive, the samples after a late cut moved into the next Child's
// file, and at its end its header made again for the frames it got, the file closed, cut to the
// Child's length and renamed, so that a Child appears whole or not at all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "planning/SplitPlan.h"
#include "writing/SplitWriter.h"
#include "writing/StreamFiles.h"

// A Child being written.
struct OpenChild {
    PlannedChild child;                // its sampleBytes: those written so far
    std::optional<std::uint64_t> end;  // the frame it ends before, when its rule knows it
    bool kept = true;                  // numbered from --from on; otherwise removed when it ends
    std::FILE* stream = nullptr;
    std::string name;
    std::string temporary;          // empty once renamed
    std::uint64_t headerBytes = 0;  // of the header in its file
    std::uint64_t fileBytes = 0;    // in its file, which a cut or a cut frame leaves longer than the Child
};

// Why a step on a Child's file failed, and the runtime's cause.
struct ChildFault {
    SplitStop stop = SplitStop::None;
    int cause = 0;
    const OpenChild* child = nullptr;
};

class StreamChildFiles {
public:
    // motherFile: the file standard input reads, which no Child may replace; empty for a pipe.
    StreamChildFiles(const SplitPlan& plan, StreamFiles& files, const std::string& motherFile);

    // Each step returns false after keeping why in fault().
    // Makes the Child's file (and the run's folder first) and writes the header for the sample
    // bytes the Child holds when called: those planned, or 0 when its end is not known.
    bool create(OpenChild& open);
    bool write(OpenChild& open, const void* from, std::size_t bytes);
    // The first Child's samples from its sample byte `from` on, to the end of the next one's file;
    // the first one then ends there.
    bool moveTail(OpenChild& first, OpenChild& next, std::uint64_t from);
    // Made whole and renamed; a Child not kept is only removed.
    bool finish(OpenChild& open);
    // Closed and removed, for a Child that cannot be finished; whether it went.
    bool remove(OpenChild& open);
    // The run's folder, once every Child is renamed or removed.
    void removeFolder();

    const ChildFault& fault() const { return fault_; }

private:
    bool failed(SplitStop why, int cause, const OpenChild& open);
    bool copyThrough(OpenChild& first, std::uint64_t at, OpenChild& next, std::size_t bytes);
    bool moveSamples(OpenChild& open, std::uint64_t headerBytes);
    bool close(OpenChild& open);
    const std::string& motherStandIn() const;

    const SplitPlan& plan_;
    StreamFiles& files_;
    std::string motherFile_;
    std::string runFolder_;
    bool runFolderMade_ = false;
    bool systemCopy_ = true;                // until the file layer says it cannot copy inside the system
    std::vector<std::uint8_t> copyBuffer_;  // samples moved between or within Children's files
    ChildFault fault_;
};
