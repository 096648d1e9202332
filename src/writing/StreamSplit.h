// Carries out a split of a Mother that arrives on a stream (a pipe, standard input): nothing is
// sought and nothing waits in memory but the block being read. Each Child is written as the
// frames arrive, under a temporary name as the file writer writes one (see TemporaryChild.h):
// its header first, made for the frames its rule plans (none when the rule does not know where
// it ends), then its samples; when it ends its header is made again for the frames it got and
// written over the first, and it is renamed, so a Child still appears whole or not at all.
//
// A rule that cuts only once it has seen what follows (at the middle of a silence) leaves those
// frames in the Child being written, on disk: at the cut they move from its file into the next
// Child's, and its file is cut back to its length.
//
// The stream's end, and a stop from outside, finish every Child being written with the whole
// frames it got; a Child that cannot be written ends the split, its temporary file is removed
// with every other incomplete one, and the rest of the stream is not read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "planning/SplitPlan.h"
#include "writing/SplitStopRequest.h"
#include "writing/SplitWriter.h"
#include "planning/StreamRule.h"
#include "writing/StreamFiles.h"

// What one read of the stream gave: bytes, or none because it ended or failed (the runtime's
// cause), or none yet (then the writer looks at its stop request and reads again).
struct StreamRead {
    std::size_t bytes = 0;
    bool ended = false;
    int error = 0;
};

// Reads up to `most` bytes of the stream into `into`, waiting for some, but not for long: a stop
// from outside must be seen while a pipe stays silent.
using StreamSource = std::function<StreamRead(std::uint8_t* into, std::size_t most)>;

// What one move of the stream's bytes straight into a Child's file did: not possible here (then
// they pass the process), or as a read: bytes, the end, a failure or nothing yet.
struct StreamMoved {
    bool possible = false;
    StreamRead read;
};

// Moves up to `most` bytes of the stream to the end of a Child's file without passing them
// through the process, where the system can (splice from a pipe on Linux), after what the
// Child's stream buffer holds. A failure may be the Child's as well as the stream's.
using StreamMove = std::function<StreamMoved(std::FILE* child, std::size_t most)>;

// What the writer is told besides the plan and the rule.
struct StreamJob {
    std::optional<std::uint64_t> sampleBytes;  // a data size the header gives: the samples stop there
    std::int32_t from = 0;                     // above 0: Children numbered below it are not kept
    // The file standard input reads, when it is one: no Child may replace it. Empty for a pipe.
    std::string motherFile;
    StreamMove move;  // none where the bytes always pass the process
};

struct StreamOutcome {
    // None when the stream ended, Stopped, or why a Child failed; the Children complete on disk.
    SplitOutcome split;
    std::optional<PlannedChild> child;  // the Child it failed at, with the bytes it was to have
    std::uint64_t frames = 0;           // whole frames read
    std::size_t tailBytes = 0;          // bytes after the last whole frame: less than a frame, not written
    int readError = 0;                  // the runtime's cause when the stream could not be read on
    std::uint64_t lostFrom = 0;         // after a failure: the first frame in no complete Child
};

// The bytes are read from the stream in blocks of up to this size.
inline constexpr std::size_t STREAM_READ_BYTES = 1024 * 1024;

// Writes the Children the rule tells, numbered and named as the plan names them (its stem and
// fmt, the metadata they carry, its Mother's first sample byte; the plan has no Children).
StreamOutcome writeStream(const SplitPlan& plan, const StreamJob& job, StreamRule& rule, const StreamSource& source,
                          StreamFiles& files, SplitListener& listener, SplitStopRequest& stop);
