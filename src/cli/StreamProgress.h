// What morlando-split tells while it splits a stream, whose length nobody knows ahead: on a
// terminal, one line redrawn in place with the Children done, the bytes written and the
// throughput; elsewhere, one line a Child, as for a file.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

#include "planning/SplitPlan.h"
#include "writing/SplitWriter.h"

class StreamProgress : public SplitListener {
public:
    // The Children finished are kept only for a list of them: a stream that never ends would
    // otherwise hold one more for each Child.
    StreamProgress(std::ostream& out, bool terminal, const SplitPlan& plan, bool keepFinished = false);

    void bytesCopied(const PlannedChild& child, std::uint64_t copied) override;
    void childFinished(const PlannedChild& child) override;

    // The Children complete on disk, in the order they were finished, for the list of them.
    const std::vector<PlannedChild>& finished() const { return finished_; }

    // Ends the line and says what was done, in how long.
    void finish();
    // Ends the line, so that a message starts a line of its own.
    void interrupt();

private:
    void draw();
    double seconds() const;

    std::ostream& out_;
    bool terminal_;
    const SplitPlan& plan_;
    std::chrono::steady_clock::time_point started_;
    bool keepFinished_;
    std::vector<PlannedChild> finished_;
    std::uint64_t written_ = 0;  // bytes of the Children finished
    std::uint64_t current_ = 0;  // sample bytes of the Child last told of, not finished yet
    std::size_t kept_ = 0;
    double lastDrawn_ = -1.0;
};
