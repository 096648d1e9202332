// Cutting a Mother on a stream at its silences, as the frames arrive: at the same frames as
// spansAtSilence cuts the same samples in a file. A cut is told once it is sure, which is when the
// silence has ended and no later cut can come closer to it than the shortest piece, or the stream
// has ended: until then its frames stay in the Child being written.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "marks/SilenceCuts.h"
#include "marks/SilenceSearch.h"

class StreamSilenceCuts {
public:
    StreamSilenceCuts(const SampleLayout& layout, const SilenceRule& rule);

    // The frames from frame `first` on, as they arrive; the cuts that are sure now, in order.
    std::vector<std::uint64_t> look(const std::uint8_t* frames, std::uint64_t first, std::uint64_t count);

    // The stream ended after this many frames: the cut still waiting, if it stands.
    std::vector<std::uint64_t> ended(std::uint64_t frames);

    // Stretches long enough between sounds found so far, each a cut before the merging.
    std::uint64_t silences() const { return silences_; }

private:
    void judge(std::uint64_t cut, bool pieceLongEnough, std::vector<std::uint64_t>& sure);

    SampleLayout layout_;
    SilenceRule rule_;
    double limit_;
    SilenceSearch search_;
    std::optional<std::uint64_t> waiting_;  // a cut whose piece after it may yet be too short
    bool firstJudged_ = false;              // the first cut that stands has been held against the first piece
    std::uint64_t silences_ = 0;
};
