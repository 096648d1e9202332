// What morlando-split tells while it splits: on a terminal, one bar redrawn in place with the
// percentage, the Children done and the throughput; elsewhere, one line a Child. A dry run
// lists its plan instead: every Child's name, size and start.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>

#include "cli/WatchedFiles.h"

// The part of the Mother a split covers, to count the progress against.
struct SplitScope {
    std::uint64_t sampleBytes = 0;     // Mother sample bytes from the first piece written on
    std::uint32_t expectedChildren = 0;
    std::uint64_t dataStart = 0;       // file offset of the Mother's first sample byte
};

class ConsoleProgress : public ChildListener {
public:
    ConsoleProgress(std::ostream& out, bool terminal, SplitScope scope);

    void childStarted() override;
    void bytesWritten(std::uint64_t bytes) override;
    void childKept(const ChildReport& child) override;

    // Ends the bar's line and says what was done, in how long.
    void finish();
    // Ends the bar's line, so that a message about a failure starts a line of its own.
    void interrupt();

    std::uint32_t childrenKept() const { return kept_; }

private:
    void drawBar(bool complete = false);
    double seconds() const;

    std::ostream& out_;
    bool terminal_;
    SplitScope scope_;
    std::chrono::steady_clock::time_point started_;
    std::uint64_t written_ = 0;
    std::uint32_t childrenStarted_ = 0;
    std::uint32_t kept_ = 0;
    int lastPercent_ = -1;
    std::uint32_t lastKept_ = 0;
    double lastDrawn_ = 0.0;  // seconds after the start
};

// A dry run's plan, one line a Child on standard output.
class PlanListing : public ChildListener {
public:
    PlanListing(std::ostream& out, std::uint64_t dataStart) : out_(out), dataStart_(dataStart) {}
    void childKept(const ChildReport& child) override;

private:
    std::ostream& out_;
    std::uint64_t dataStart_;
};

// "12.34 s": a time in the Mother, from its first sample byte.
std::string secondsInMother(std::uint64_t sampleOffset);
