// What morlando-split tells while it splits: on a terminal, one bar redrawn in place with the
// percentage, the Children done and the throughput; elsewhere, one line a Child. A dry run
// lists its plan instead: every Child's name, size and start.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

#include "planning/SplitPlan.h"
#include "writing/SplitWriter.h"

class ConsoleProgress : public SplitListener {
public:
    // The share is counted against the Mother's samples from the plan's first Child on.
    ConsoleProgress(std::ostream& out, bool terminal, const SplitPlan& plan);

    void childCreated(const PlannedChild& child) override;
    void bytesCopied(const PlannedChild& child, std::uint64_t copied) override;
    void childFinished(const PlannedChild& child) override;
    void childKept(const PlannedChild& child) override;

    // Ends the bar's line and says what was done, in how long.
    void finish();
    // Ends the bar's line, so that a message about a failure starts a line of its own.
    void interrupt();

private:
    void drawBar(bool complete = false);
    double seconds() const;
    std::uint64_t written() const { return headerBytes_ + samplesDone_ + samplesOfChild_; }

    std::ostream& out_;
    bool terminal_;
    const SplitPlan& plan_;
    std::uint64_t sampleBytes_ = 0;  // Mother sample bytes from the first Child on
    std::size_t expectedChildren_ = 0;
    std::chrono::steady_clock::time_point started_;
    std::uint64_t headerBytes_ = 0;     // of every Child created
    std::uint64_t headerOfChild_ = 0;   // of the Child being written: made once, with its metadata
    std::uint64_t samplesDone_ = 0;     // of every Child finished
    std::uint64_t samplesOfChild_ = 0;  // of the Child being written
    std::uint64_t samplesKept_ = 0;     // of every Child kept from an earlier run
    std::size_t kept_ = 0;     // Children done: written, or kept from an earlier run
    std::size_t resumed_ = 0;  // of those, kept from an earlier run
    int lastPercent_ = -1;
    std::size_t lastKept_ = 0;
    double lastDrawn_ = 0.0;  // seconds after the start
};

// A dry run's plan, one line a Child on standard output: the first `count` Children. In the
// Mother's own time each line gives the Child's frames, its duration and its start; by the
// window's rules its start in seconds of 16-bit stereo 44 100 Hz and in bytes.
void listPlan(std::ostream& out, const SplitPlan& plan, std::size_t count);

// One number as a printf pattern for one double writes it ("%.1f").
std::string formatted(const char* pattern, double value);

// "12.34 s": a time in the Mother, from its first sample byte.
std::string secondsInMother(std::uint64_t sampleOffset);

// "5.000146 s": frames at a rate, to the nearest millionth, without trailing zeros ("10 s").
std::string framesAsSeconds(std::uint64_t frames, std::uint32_t rate);
